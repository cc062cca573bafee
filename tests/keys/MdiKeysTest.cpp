#include "keys/MdiKeyboardShortcuts.h"
#include "keys/clsSendKeys.h"

#include "tests/common/QtPrinters.h"
#include <gtest/gtest.h>

#include <QDockWidget>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include <functional>

namespace {

// A main window with child windows "c0", "c1", "c2" (the last one active)
// and a docked line edit outside the children.
class MdiWindow {
public:
    explicit MdiWindow(int children)
    {
        window.setCentralWidget(area);
        new MdiKeyboardShortcuts(area);
        auto *dock = new QDockWidget;
        dock->setWidget(dockEdit);
        window.addDockWidget(Qt::LeftDockWidgetArea, dock);
        for (int n = 0; n < children; ++n) {
            QMdiSubWindow *child = area->addSubWindow(new QTextEdit);
            child->setWindowTitle(QStringLiteral("c%1").arg(n));
            child->setAttribute(Qt::WA_DeleteOnClose);
            child->show();
        }
        window.resize(800, 600);
        window.show();
    }
    bool ready() { return QTest::qWaitForWindowActive(&window); }

    QString activeChild() const
    {
        return area->activeSubWindow() ? area->activeSubWindow()->windowTitle() : QStringLiteral("none");
    }
    QStringList children() const
    {
        QStringList titles;
        for (QMdiSubWindow *child : area->subWindowList())
            titles << child->windowTitle();
        return titles;
    }

    QMainWindow window;
    QMdiArea *area = new QMdiArea;
    QLineEdit *dockEdit = new QLineEdit;
};

// The same command typed on the keyboard or sent as a keystroke script.
struct Delivery {
    const char *name;
    std::function<void(MdiWindow &, Qt::Key)> press;
};

// Closing a child may finish in a later event; gives it that chance.
QStringList ChildrenOnceSettled(const MdiWindow &mdi, qsizetype expectedCount)
{
    (void)QTest::qWaitFor([&] { return mdi.children().size() == expectedCount; }, 1000);
    return mdi.children();
}

void PrintTo(const Delivery &d, std::ostream *os) { *os << d.name; }

void RealKeys(MdiWindow &mdi, Qt::Key key)
{
    QTest::keyClick(&mdi.window, key, Qt::ControlModifier);
}

void Script(MdiWindow &, Qt::Key key)
{
    clsSendKeys().SendKeys(key == Qt::Key_F6 ? "~({F6})" : "~({F4})");
}

class MdiKeys : public ::testing::TestWithParam<Delivery> {};

TEST_P(MdiKeys, ControlF6ActivatesTheNextChildInTurn)
{
    MdiWindow mdi(3);
    ASSERT_TRUE(mdi.ready());
    ASSERT_EQ(mdi.activeChild(), "c2");
    QStringList seen;
    for (int n = 0; n < 4; ++n) {
        GetParam().press(mdi, Qt::Key_F6);
        seen << mdi.activeChild();
    }
    EXPECT_EQ(seen, QStringList({"c0", "c1", "c2", "c0"}));
    EXPECT_EQ(mdi.children().size(), 3);
}

TEST_P(MdiKeys, ControlF4ClosesOnlyTheActiveChild)
{
    MdiWindow mdi(3);
    ASSERT_TRUE(mdi.ready());
    GetParam().press(mdi, Qt::Key_F6);   // c0 active
    GetParam().press(mdi, Qt::Key_F4);
    EXPECT_EQ(ChildrenOnceSettled(mdi, 2), QStringList({"c1", "c2"}));
    EXPECT_NE(mdi.activeChild(), "c0");
}

TEST_P(MdiKeys, KeysWorkWithTheFocusOutsideTheChildren)
{
    MdiWindow mdi(2);
    ASSERT_TRUE(mdi.ready());
    mdi.dockEdit->setFocus();
    ASSERT_TRUE(mdi.dockEdit->hasFocus());
    GetParam().press(mdi, Qt::Key_F6);
    EXPECT_EQ(mdi.activeChild(), "c0");
    GetParam().press(mdi, Qt::Key_F4);
    EXPECT_EQ(ChildrenOnceSettled(mdi, 1), QStringList({"c1"}));
    EXPECT_EQ(mdi.dockEdit->text(), "");
}

TEST_P(MdiKeys, ClosingEveryChildOneByOne)
{
    MdiWindow mdi(3);
    ASSERT_TRUE(mdi.ready());
    for (int left = 2; left >= 0; --left) {
        GetParam().press(mdi, Qt::Key_F4);
        EXPECT_EQ(ChildrenOnceSettled(mdi, left).size(), left);
    }
    GetParam().press(mdi, Qt::Key_F4);   // nothing left: no effect
    GetParam().press(mdi, Qt::Key_F6);
    EXPECT_EQ(mdi.activeChild(), "none");
    EXPECT_TRUE(mdi.window.isVisible());
}

const Delivery kDeliveries[] = {
    {"RealKeys", RealKeys},
    {"KeystrokeScript", Script},
};

INSTANTIATE_TEST_SUITE_P(MdiKeyboardShortcuts, MdiKeys, ::testing::ValuesIn(kDeliveries),
                         [](const auto &info) { return std::string(info.param.name); });

// A toolbar button that sends a script reaches the child windows: clicking it
// leaves the keyboard focus where it was.
TEST(MdiKeyboardShortcuts, ToolbarButtonsSendingScriptsSwitchAndCloseChildren)
{
    MdiWindow mdi(3);
    QToolBar *toolbar = mdi.window.addToolBar("tools");
    QAction *next = toolbar->addAction("Next", [] { clsSendKeys().SendKeys("~({F6})", false); });
    QAction *close = toolbar->addAction("Close", [] { clsSendKeys().SendKeys("~({F4})", false); });
    ASSERT_TRUE(mdi.ready());
    const auto click = [&](QAction *action) {
        QTest::mouseClick(toolbar->widgetForAction(action), Qt::LeftButton);
    };

    click(next);
    EXPECT_EQ(mdi.activeChild(), "c0");
    click(close);
    EXPECT_EQ(ChildrenOnceSettled(mdi, 2), QStringList({"c1", "c2"}));
    click(next);
    click(next);
    click(close);
    EXPECT_EQ(ChildrenOnceSettled(mdi, 1).size(), 1);
}

} // namespace
