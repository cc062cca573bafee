// Mouse events travel through the window system, so the pressed bar keeps
// the mouse as it would for a user.
#define QTEST_QPA_MOUSE_HANDLING
#include "controls/splitter.h"
#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

const QColor kBack(0, 128, 0);
const QColor kWhite(255, 255, 255);
const QColor kShadow(180, 180, 190);
const QColor kActivate(128, 128, 255);

// The colours of the bar's three pixel columns (rows) half-way along it.
QList<QColor> Across(splitter &bar)
{
    const QImage image = bar.grab().toImage();
    QList<QColor> colours;
    const bool vertical = bar.SplitterDirection() == splitter::Vertical;
    for (int n = 0; n < 3; ++n)
        colours << image.pixelColor(vertical ? QPoint(n, image.height() / 2) : QPoint(image.width() / 2, n));
    return colours;
}

class SplitterPaint : public ::testing::TestWithParam<int> {};

TEST_P(SplitterPaint, DecoratedBarHasLightAndShadowEdges)
{
    splitter bar;
    bar.setSplitterDirection(GetParam());
    bar.setBackColor(kBack);
    EXPECT_EQ(Across(bar), QList<QColor>({kWhite, kBack, kShadow}));
}

TEST_P(SplitterPaint, PlainBarShowsOnlyItsColour)
{
    splitter bar;
    bar.setSplitterDirection(GetParam());
    bar.setBackColor(kBack);
    bar.setDecoration(1);
    EXPECT_EQ(Across(bar), QList<QColor>({kBack, kBack, kBack}));
}

TEST_P(SplitterPaint, HeldBarIsOutlinedUntilReleased)
{
    QWidget window;
    window.resize(300, 300);
    auto *first = new QWidget(&window);
    auto *second = new QWidget(&window);
    auto *bar = new splitter(&window);
    bar->setSplitterDirection(GetParam());
    bar->setBackColor(kBack);
    bar->setDecoration(1);
    bar->setControl_Top_Or_Left(first);
    bar->setControl_Bottom_Or_Right(second);
    first->setGeometry(0, 0, 100, 100);
    bar->move(100, 0);
    second->setGeometry(GetParam() == splitter::Vertical ? QRect(103, 0, 100, 100) : QRect(0, 103, 100, 100));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(Across(*bar), QList<QColor>({kActivate, kBack, kActivate}));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(Across(*bar), QList<QColor>({kBack, kBack, kBack}));
}

INSTANTIATE_TEST_SUITE_P(splitter, SplitterPaint, ::testing::Values(splitter::Vertical, splitter::Horizontal),
                         [](const auto &info) {
                             return std::string(info.param == splitter::Vertical ? "Vertical" : "Horizontal");
                         });

} // namespace
