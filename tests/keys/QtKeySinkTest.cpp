#include "keys/QtKeySink.h"
#include "keys/SendKeysError.h"
#include "keys/clsSendKeys.h"

#include "tests/common/QtPrinters.h"
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// A window with one focused line edit, as a user would type into.
class TypingWindow {
public:
    TypingWindow()
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(edit);
        window.show();
        window.activateWindow();
        edit->setFocus();
    }
    bool ready() { return QTest::qWaitForWindowActive(&window) && edit->hasFocus(); }

    QWidget window;
    QLineEdit *edit = new QLineEdit;
};

struct TypingCase {
    const char *name;
    QString script;
    QString text;
};

void PrintTo(const TypingCase &c, std::ostream *os) { *os << c.name; }

class PlatformKeys : public ::testing::TestWithParam<TypingCase> {};

TEST_P(PlatformKeys, TypeIntoTheFocusedControl)
{
    TypingWindow typing;
    ASSERT_TRUE(typing.ready());
    clsSendKeys().SendKeys(GetParam().script);
    EXPECT_EQ(typing.edit->text(), GetParam().text);
}

const TypingCase kTyping[] = {
    {"SmallLetters", "tree", "tree"},
    {"CapitalsTypeSmallLetters", "TREE", "tree"},
    {"ShiftGroupTypesCapitals", "+(t)ree", "Tree"},
    {"ShiftTapDoesNotShift", "+tree", "tree"},
    {"ShiftedDigitsAndSymbols", "+(1/9)", "!?("},
    {"DigitsAndSpace", "2 5", "2 5"},
    {"Backspace", "trees{BS}", "tree"},
    {"MovingTheCaret", "ree{HOME}t", "tree"},
    {"SelectingWithShiftAndDeleting", "pine{LEFT}+({LEFT 2}){DEL}", "pe"},
    {"ControlLetterIsACommandNotText", "pine~(a)x", "x"},
};

INSTANTIATE_TEST_SUITE_P(QtKeySink, PlatformKeys, ::testing::ValuesIn(kTyping),
                         [](const auto &info) { return std::string(info.param.name); });

// Records the key events a widget receives.
class KeyRecorder : public QWidget {
public:
    KeyRecorder() { setFocusPolicy(Qt::StrongFocus); }
    struct Seen {
        QEvent::Type type;
        int key;
        Qt::KeyboardModifiers modifiers;
        bool operator==(const Seen &) const = default;
    };
    std::vector<Seen> seen;

protected:
    void keyPressEvent(QKeyEvent *e) override { seen.push_back({e->type(), e->key(), e->modifiers()}); }
    void keyReleaseEvent(QKeyEvent *e) override { seen.push_back({e->type(), e->key(), e->modifiers()}); }
};

TEST(QtKeySink, ControlGroupArrivesAsOneKeyWithControlHeld)
{
    KeyRecorder recorder;
    recorder.show();
    recorder.activateWindow();
    recorder.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&recorder));

    clsSendKeys().SendKeys("~({F6})");

    const std::vector<KeyRecorder::Seen> expected{
        {QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier},
        {QEvent::KeyPress, Qt::Key_F6, Qt::ControlModifier},
        {QEvent::KeyRelease, Qt::Key_F6, Qt::ControlModifier},
        {QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier},
    };
    ASSERT_EQ(recorder.seen.size(), expected.size());
    for (size_t n = 0; n < expected.size(); ++n) {
        EXPECT_EQ(recorder.seen[n].type, expected[n].type) << "event " << n;
        EXPECT_EQ(recorder.seen[n].key, expected[n].key) << "event " << n;
        EXPECT_EQ(recorder.seen[n].modifiers, expected[n].modifiers) << "event " << n;
    }
}

TEST(QtKeySink, FailedScriptLeavesNoModifierHeld)
{
    TypingWindow typing;
    ASSERT_TRUE(typing.ready());
    QtKeySink sink;
    clsSendKeys sender(sink);
    EXPECT_THROW(sender.SendKeys("+(~(%(x"), SendKeysError);
    EXPECT_EQ(sink.modifiers(), Qt::NoModifier);
    sender.SendKeys("ok");
    EXPECT_EQ(typing.edit->text(), "ok");
}

} // namespace
