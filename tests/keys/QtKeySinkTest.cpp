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

// A character names its key: sent alone or with Shift, the key types that character.
TEST(QtKeySink, EveryPrintableCharacterIsOnItsKey)
{
    TypingWindow typing;
    ASSERT_TRUE(typing.ready());
    for (char c = '!'; c < '~'; ++c) {
        const QString key = QByteArray("+^%~(){}[]").contains(c) ? "{" + QString(QChar(c)) + "}" : QString(QChar(c));
        QString typed;
        for (const QString &script : {key, "+(" + key + ")"}) {
            typing.edit->clear();
            clsSendKeys().SendKeys(script);
            typed += typing.edit->text();
        }
        EXPECT_TRUE(typed.contains(QChar(c))) << c << " typed " << typed.toStdString();
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

// Function keys arrive as Qt's function keys, from F1 to F24.
TEST(QtKeySink, FunctionKeysArriveAsQtFunctionKeys)
{
    TypingWindow typing;
    ASSERT_TRUE(typing.ready());
    struct : QObject {
        QList<int> keys;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::KeyPress)
                keys << static_cast<QKeyEvent *>(e)->key();
            return false;
        }
    } pressed;
    typing.edit->installEventFilter(&pressed);
    QtKeySink sink;
    for (const int vKey : {112, 127, 135}) {
        sink.keyDown(vKey);
        sink.keyUp(vKey);
    }
    EXPECT_EQ(pressed.keys, (QList<int>{Qt::Key_F1, Qt::Key_F16, Qt::Key_F24}));
}

} // namespace
