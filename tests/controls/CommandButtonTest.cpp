// Command buttons pass the focus on with the arrow keys, as a user expects of
// the buttons of the dialogs and map windows.
#include "controls/CommandButton.h"

#include <gtest/gtest.h>

#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

namespace {

struct ArrowCase {
    const char *name;
    Qt::Key key;
    int focusAfter; // index of the control that has the focus after the key, from the middle button
};

void PrintTo(const ArrowCase &c, std::ostream *os) { *os << c.name; }

class CommandButtonArrows : public ::testing::TestWithParam<ArrowCase> {};

} // namespace

TEST_P(CommandButtonArrows, MoveTheFocusToThePreviousOrNextControl)
{
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    QWidget *controls[3] = {new QLineEdit, new CommandButton("Ok"), new CommandButton("Cancel")};
    for (QWidget *c : controls)
        layout->addWidget(c);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    controls[1]->setFocus();
    ASSERT_TRUE(controls[1]->hasFocus());
    QSignalSpy clicked(static_cast<CommandButton *>(controls[1]), &QPushButton::clicked);
    QTest::keyClick(controls[1], GetParam().key);
    EXPECT_TRUE(controls[GetParam().focusAfter]->hasFocus());
    EXPECT_EQ(clicked.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, CommandButtonArrows,
                         ::testing::Values(ArrowCase{"Left", Qt::Key_Left, 0}, ArrowCase{"Up", Qt::Key_Up, 0},
                                           ArrowCase{"Right", Qt::Key_Right, 2}, ArrowCase{"Down", Qt::Key_Down, 2}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(CommandButton, SpaceStillClicks)
{
    CommandButton button("Ok");
    QSignalSpy clicked(&button, &QPushButton::clicked);
    QTest::keyClick(&button, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(button.text(), "Ok");
}
