// Mouse events travel through the window system, so the pressed bar keeps
// the mouse as it would for a user.
#define QTEST_QPA_MOUSE_HANDLING
#include "controls/splitter.h"
#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

namespace {

// Offscreen screens have 96 dots per inch: 15 twips to the pixel, so the bar
// is 3 pixels thick (50 twips) and the pointer keeps 17 pixels (250 twips)
// from the ends of the two lists.
constexpr int kDpi = 96;

// A window with two lists and a bar between them, all in window pixels. For a
// vertical bar: left list x 10..159, bar 160..162, right list 163..349, all
// from y 10, 200 high. A horizontal bar is the same turned on its side.
class SplitHost {
public:
    explicit SplitHost(int direction) : vertical(direction == splitter::Vertical)
    {
        bar->setSplitterDirection(direction);
        bar->setControl_Top_Or_Left(first);
        bar->setControl_Bottom_Or_Right(second);
        window.resize(along(400, 300));
        first->setGeometry(rect(10, 10, 150, 200));
        bar->setGeometry(rect(160, 10, 3, 200));
        second->setGeometry(rect(163, 10, 187, 200));
    }

    bool show()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

    // A point, size or rectangle given as (along the drag, across it).
    QPoint point(int a, int c) const { return vertical ? QPoint(a, c) : QPoint(c, a); }
    QSize along(int a, int c) const { return vertical ? QSize(a, c) : QSize(c, a); }
    QRect rect(int a, int c, int length, int breadth) const
    {
        return QRect(point(a, c), along(length, breadth));
    }

    // Presses the bar 1 pixel inside its start, in its middle.
    void press()
    {
        pointer = bar->mapTo(&window, point(1, 100));
        QTest::mousePress(&window, Qt::LeftButton, {}, pointer);
    }
    void moveTo(int a, int c = 110)
    {
        pointer = point(a, c);
        QTest::mouseMove(&window, pointer);
    }
    void release() { QTest::mouseRelease(&window, Qt::LeftButton, {}, pointer); }

    const bool vertical;
    QWidget window;
    QPoint pointer;   // where the mouse is, in window pixels
    QListWidget *first = new QListWidget(&window);
    splitter *bar = new splitter(&window);
    QListWidget *second = new QListWidget(&window);
};

struct DragCase {
    const char *name;
    int pointerTo;    // where the pointer goes along the drag, in window pixels
    int across;       // and across it
    int barAt;        // where the bar starts afterwards
    int firstLength;  // the first list's new width (height)
};

struct DragParam {
    int direction;
    DragCase drag;
};

void PrintTo(const DragParam &p, std::ostream *os)
{
    *os << (p.direction == splitter::Vertical ? "vertical " : "horizontal ") << p.drag.name;
}

class SplitterDrag : public ::testing::TestWithParam<DragParam> {};

// The pointer is pressed at 161 (1 pixel into the bar at 160) and may move
// between 27 and 332: the lists span 10..349, less 17 at each end.
const DragCase kDrags[] = {
    {"TenPixelsForward", 171, 110, 170, 160},
    {"ForwardWhileLeavingSideways", 181, 5000, 180, 170},
    {"ToTheForwardLimit", 332, 110, 331, 321},
    {"PastTheForwardEnd", 399, 110, 331, 321},
    {"ToTheBackLimit", 27, 110, 26, 16},
    {"FarPastTheBackEnd", -5000, 110, 26, 16},
};

TEST_P(SplitterDrag, MovesTheBarThenLaysOutTheListsOnRelease)
{
    const DragCase &c = GetParam().drag;
    SplitHost host(GetParam().direction);
    ASSERT_TRUE(host.show());
    ASSERT_EQ(host.bar->logicalDpiX(), kDpi);

    host.press();
    QSignalSpy scrolling(host.bar, &splitter::Scrolling);
    host.moveTo(c.pointerTo, c.across);
    ASSERT_EQ(scrolling.size(), 1);
    EXPECT_EQ(scrolling[0][0].toInt(), c.barAt > 160 ? 1 : 0) << "1 forward, 0 back";
    // While dragging only the bar moves.
    EXPECT_EQ(host.bar->geometry(), host.rect(c.barAt, 10, 3, 200));
    EXPECT_EQ(host.first->geometry(), host.rect(10, 10, 150, 200));
    EXPECT_EQ(host.second->geometry(), host.rect(163, 10, 187, 200));

    host.release();
    EXPECT_EQ(host.bar->geometry(), host.rect(c.barAt, 10, 3, 200));
    EXPECT_EQ(host.first->geometry(), host.rect(10, 10, c.firstLength, 200));
    // The second list starts at the bar's far side and ends where it did.
    EXPECT_EQ(host.second->geometry(), host.rect(c.barAt + 3, 10, 350 - (c.barAt + 3), 200));
}

std::vector<DragParam> AllDrags()
{
    std::vector<DragParam> params;
    for (int direction : {splitter::Vertical, splitter::Horizontal}) {
        for (const DragCase &drag : kDrags)
            params.push_back({direction, drag});
    }
    return params;
}

INSTANTIATE_TEST_SUITE_P(splitter, SplitterDrag, ::testing::ValuesIn(AllDrags()), [](const auto &info) {
    return std::string(info.param.direction == splitter::Vertical ? "Vertical" : "Horizontal")
        + info.param.drag.name;
});

} // namespace
