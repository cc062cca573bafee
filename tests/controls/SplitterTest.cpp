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
    {"TwentyFivePixelsBack", 136, 110, 135, 125},
    {"StraightAcross", 161, 290, 160, 150},
    {"ForwardWhileLeavingSideways", 181, 5000, 180, 170},
    {"ToTheForwardLimit", 332, 110, 331, 321},
    {"PastTheForwardEnd", 399, 110, 331, 321},
    {"FarPastTheForwardEnd", 5000, -50, 331, 321},
    {"ToTheBackLimit", 27, 110, 26, 16},
    {"PastTheBackEnd", 0, 110, 26, 16},
    {"FarPastTheBackEnd", -5000, 110, 26, 16},
};

TEST_P(SplitterDrag, MovesTheBarThenLaysOutTheListsOnRelease)
{
    const DragCase &c = GetParam().drag;
    SplitHost host(GetParam().direction);
    ASSERT_TRUE(host.show());
    ASSERT_EQ(host.bar->logicalDpiX(), kDpi);

    host.press();
    host.moveTo(c.pointerTo, c.across);
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

TEST(splitter, SecondDragStartsFromWhereTheFirstLeftTheBar)
{
    SplitHost host(splitter::Vertical);
    ASSERT_TRUE(host.show());
    host.press();
    host.moveTo(201);
    host.release();
    host.press();   // 1 pixel into the bar, now at 200
    host.moveTo(191);
    host.release();
    EXPECT_EQ(host.first->geometry(), QRect(10, 10, 180, 200));
    EXPECT_EQ(host.bar->geometry(), QRect(190, 10, 3, 200));
    EXPECT_EQ(host.second->geometry(), QRect(193, 10, 157, 200));
}

TEST(splitter, ShowingTheWindowMakesTheListsMeetTheBar)
{
    SplitHost host(splitter::Vertical);
    host.first->setGeometry(10, 10, 100, 200);
    host.second->setGeometry(200, 10, 150, 200);
    QSignalSpy afterScroll(host.bar, &splitter::AfterScroll);
    ASSERT_TRUE(host.show());
    EXPECT_EQ(host.first->geometry(), QRect(10, 10, 150, 200));
    EXPECT_EQ(host.second->geometry(), QRect(163, 10, 187, 200));
    EXPECT_EQ(afterScroll.count(), 0);
}

TEST(splitter, EventsOfADrag)
{
    SplitHost host(splitter::Vertical);
    ASSERT_TRUE(host.show());
    QSignalSpy before(host.bar, &splitter::BeforeScroll);
    QSignalSpy scrolling(host.bar, &splitter::Scrolling);
    QSignalSpy after(host.bar, &splitter::AfterScroll);

    host.press();
    EXPECT_EQ(before.count(), 1);
    host.moveTo(170);   // right of the start
    host.moveTo(150);   // left of it
    host.moveTo(161);   // back at the start: no event
    host.moveTo(0);     // held at the limit, still left of the start
    EXPECT_EQ(after.count(), 0);
    host.release();

    QList<int> directions;
    for (const QList<QVariant> &args : scrolling)
        directions << args.at(0).toInt();
    EXPECT_EQ(directions, QList<int>({1, 0, 0}));
    EXPECT_EQ(before.count(), 1);
    EXPECT_EQ(after.count(), 1);
}

TEST(splitter, PressAndReleaseWithoutMovingRaisesNoScrolling)
{
    SplitHost host(splitter::Horizontal);
    ASSERT_TRUE(host.show());
    QSignalSpy before(host.bar, &splitter::BeforeScroll);
    QSignalSpy scrolling(host.bar, &splitter::Scrolling);
    QSignalSpy after(host.bar, &splitter::AfterScroll);
    host.press();
    host.release();
    EXPECT_EQ(before.count(), 1);
    EXPECT_EQ(scrolling.count(), 0);
    EXPECT_EQ(after.count(), 1);
    EXPECT_EQ(host.first->geometry(), QRect(10, 10, 200, 150));
    EXPECT_EQ(host.second->geometry(), QRect(10, 163, 200, 187));
}

TEST(splitter, WithoutAttachedControlsNothingHappens)
{
    QWidget window;
    window.resize(300, 300);
    auto *bar = new splitter(&window);
    bar->setGeometry(100, 10, 3, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy before(bar, &splitter::BeforeScroll);
    QSignalSpy scrolling(bar, &splitter::Scrolling);
    QSignalSpy after(bar, &splitter::AfterScroll);
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(1, 100));
    QTest::mouseMove(&window, QPoint(150, 110));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(1, 100));
    EXPECT_EQ(bar->geometry(), QRect(100, 10, 3, 200));
    EXPECT_EQ(before.count(), 0);
    EXPECT_EQ(scrolling.count(), 0);
    EXPECT_EQ(after.count(), 0);
}

TEST(splitter, BarWithoutAContainerReportsTheMissingContainer)
{
    QWidget window;
    window.resize(400, 300);
    auto *first = new QListWidget(&window);
    auto *second = new QListWidget(&window);
    first->setGeometry(10, 10, 150, 200);
    second->setGeometry(163, 10, 187, 200);
    window.show();
    splitter bar;
    bar.setControl_Top_Or_Left(first);
    bar.setControl_Bottom_Or_Right(second);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    QSignalSpy error(&bar, &splitter::Error);
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(1, 100));
    QTest::mouseMove(&bar, QPoint(2, 100));
    ASSERT_EQ(error.count(), 1);
    EXPECT_EQ(error.at(0).at(0).toString(),
              "A container object has not been assigned (set)for property [SplitterContainerControl]");
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(2, 100));
}

TEST(splitter, ThicknessStaysFiftyTwipsWhateverTheSize)
{
    splitter bar;
    EXPECT_EQ(bar.size(), QSize(3, 167));   // 50 by 2500 twips
    bar.resize(100, 50);
    EXPECT_EQ(bar.size(), QSize(3, 50));
    bar.setGeometry(0, 0, 0, 80);
    EXPECT_EQ(bar.size(), QSize(3, 80));

    bar.setSplitterDirection(splitter::Horizontal);
    EXPECT_EQ(bar.size(), QSize(167, 3));
    bar.resize(50, 100);
    EXPECT_EQ(bar.size(), QSize(50, 3));
}

TEST(splitter, PointerShowsTheDirectionOfMovement)
{
    splitter bar;
    EXPECT_EQ(bar.cursor().shape(), Qt::SizeHorCursor);
    bar.setSplitterDirection(splitter::Horizontal);
    EXPECT_EQ(bar.cursor().shape(), Qt::SizeVerCursor);
    QPixmap custom(16, 16);
    custom.fill(Qt::black);
    bar.setCustomMousePointer(custom);
    EXPECT_EQ(bar.cursor().shape(), Qt::BitmapCursor);
    bar.setCustomMousePointer(QPixmap());
    EXPECT_EQ(bar.cursor().shape(), Qt::SizeVerCursor);
}

} // namespace
