#include "keys/RecordingKeySink.h"
#include "keys/SendKeysError.h"
#include "keys/clsSendKeys.h"

#include "tests/common/QtPrinters.h"
#include <gtest/gtest.h>

#include <QCoreApplication>

namespace {

struct NamedKey {
    const char *name;
    int code;
};

// Every name of the key-name table.
const NamedKey kKeyNames[] = {
    {"BACKSPACE", 8}, {"BS", 8}, {"BKSP", 8}, {"BREAK", 19}, {"CAPSLOCK", 20},
    {"DELETE", 46}, {"DEL", 46}, {"DOWN", 40}, {"END", 35}, {"ENTER", 13}, {"~", 13},
    {"ESC", 27}, {"HELP", 47}, {"HOME", 36}, {"INS", 45}, {"INSERT", 45}, {"LEFT", 37},
    {"NUMLOCK", 144}, {"PGDN", 34}, {"PGUP", 33}, {"PRTSC", 42}, {"RIGHT", 39},
    {"SCROLLLOCK", 145}, {"TAB", 9}, {"UP", 38},
    {"F1", 112}, {"F2", 113}, {"F3", 114}, {"F4", 115}, {"F5", 116}, {"F6", 117},
    {"F7", 118}, {"F8", 119}, {"F9", 120}, {"F10", 121}, {"F11", 122}, {"F12", 123},
    {"F13", 124}, {"F14", 125}, {"F15", 126}, {"F16", 127},
};

TEST(KeyPress, EveryTableNameInAnyCaseSendsItsCode)
{
    static_assert(std::size(kKeyNames) == 41);
    for (const NamedKey &key : kKeyNames) {
        for (const QString &spelling : {QString(key.name), QString(key.name).toLower()}) {
            RecordingKeySink sink;
            clsSendKeys(sink).KeyPress(spelling, 1);
            const std::vector<RecordingKeySink::Event> expected{{true, key.code}, {false, key.code}};
            EXPECT_EQ(sink.events(), expected) << qPrintable(spelling);
        }
    }
}

TEST(KeyPress, NamesOutsideTheTableUseTheirFirstCharacter)
{
    for (const char *name : {"F17", "F0", "ENTERX", "Escape", "SPACE"}) {
        RecordingKeySink sink;
        clsSendKeys(sink).KeyPress(name, 1);
        const int first = QChar(name[0]).toUpper().unicode();
        const std::vector<RecordingKeySink::Event> expected{{true, first}, {false, first}};
        EXPECT_EQ(sink.events(), expected) << name;
    }
}

TEST(KeyPress, CountPressesAndReleasesEachTime)
{
    struct Case { int count; QString keys; };
    for (const Case &c : {Case{-1, ""}, Case{0, ""}, Case{1, "+Tab -Tab"}, Case{2, "+Tab -Tab +Tab -Tab"}}) {
        RecordingKeySink sink;
        clsSendKeys(sink).KeyPress("tab", c.count);
        EXPECT_EQ(sink.trace(), c.keys) << "count " << c.count;
    }
}

TEST(KeyPress, KeyThatCannotBeMappedFailsWithErrorNine)
{
    RecordingKeySink sink;
    try {
        clsSendKeys(sink).KeyPress(QString::fromUtf8("\u00fcber"), 3);
        FAIL() << "the key was accepted";
    } catch (const SendKeysError &e) {
        EXPECT_EQ(e.number(), 9);
        EXPECT_EQ(e.description(), QString::fromUtf8("Key \u00fcber could not be interpreted."));
        EXPECT_EQ(e.source(), QCoreApplication::applicationName() + ".cSendKeys");
    }
    EXPECT_TRUE(sink.events().empty());
}

TEST(KeyDownKeyUp, SendOneEventEach)
{
    RecordingKeySink sink;
    clsSendKeys sender(sink);
    sender.KeyDown(17);
    sender.KeyUp(17);
    const std::vector<RecordingKeySink::Event> expected{{true, 17}, {false, 17}};
    EXPECT_EQ(sink.events(), expected);
}

struct CharacterKey {
    const char *name;
    QString character;
    int code;
};

void PrintTo(const CharacterKey &c, std::ostream *os) { *os << c.name; }

class KeyCodeOnUsLayout : public ::testing::TestWithParam<CharacterKey> {};

TEST_P(KeyCodeOnUsLayout, IsTheUnshiftedKey)
{
    RecordingKeySink sink;
    EXPECT_EQ(clsSendKeys(sink).KeyCode(GetParam().character), GetParam().code);
}

const CharacterKey kCharacters[] = {
    {"SmallLetter", "a", 65}, {"CapitalLetter", "Z", 90}, {"Digit", "0", 48},
    {"OnlyFirstCharacterCounts", "q1", 81},
    {"Exclamation", "!", 49}, {"At", "@", 50}, {"Caret", "^", 54}, {"OpenParenthesis", "(", 57},
    {"CloseParenthesis", ")", 48},
    {"Space", " ", 32}, {"Semicolon", ";", 186}, {"Colon", ":", 186}, {"Plus", "+", 187},
    {"Equals", "=", 187}, {"Comma", ",", 188}, {"Minus", "-", 189}, {"Underscore", "_", 189},
    {"Period", ".", 190}, {"Slash", "/", 191}, {"Question", "?", 191}, {"Backquote", "`", 192},
    {"Tilde", "~", 192}, {"OpenBracket", "[", 219}, {"OpenBrace", "{", 219},
    {"Backslash", "\\", 220}, {"Bar", "|", 220}, {"CloseBracket", "]", 221},
    {"CloseBrace", "}", 221}, {"Apostrophe", "'", 222}, {"Quote", "\"", 222},
    {"TabCharacter", "\t", 9}, {"CarriageReturn", "\r", 13}, {"LineFeed", "\n", 13},
    {"Backspace", "\b", 8}, {"Escape", "\x1b", 27},
    {"Empty", "", 0}, {"AccentedLetter", "\u00e9", 0}, {"Cyrillic", "\u0416", 0},
    {"NoBreakSpace", "\u00a0", 0}, {"NulCharacter", QString(QChar(0)), 0},
};

INSTANTIATE_TEST_SUITE_P(KeyCode, KeyCodeOnUsLayout, ::testing::ValuesIn(kCharacters),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
