#include "keys/RecordingKeySink.h"
#include "keys/SendKeysError.h"
#include "keys/clsSendKeys.h"

#include "tests/common/QtPrinters.h"
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

namespace {

// Each script of scripts.txt sends the key events listed beside it, and
// leaves no key held.
TEST(SendKeys, EveryScriptSendsItsKeys)
{
    QFile file(QStringLiteral(SILVARIA_SOURCE_DIR "/tests/keys/scripts.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList c = line.split(QLatin1Char('\t'));
        if (line.startsWith(QLatin1Char('#')) || c.size() != 3)
            continue;
        RecordingKeySink sink;
        clsSendKeys(sink).SendKeys(c[1]);
        EXPECT_EQ(sink.trace(), c[2]) << c[0].toStdString();
        EXPECT_TRUE(sink.keysHeld().empty()) << c[0].toStdString();
    }
}

struct FailureCase {
    const char *name;
    QString script;
    QString keysBeforeFailure;
    int number;
    QString message;
};

void PrintTo(const FailureCase &c, std::ostream *os) { *os << c.name; }

class ScriptFails : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ScriptFails, WithItsMessageAndNoModifierLeftDown)
{
    const FailureCase &c = GetParam();
    RecordingKeySink sink;
    clsSendKeys sender(sink);
    try {
        sender.SendKeys(c.script);
        FAIL() << "the script was accepted";
    } catch (const SendKeysError &e) {
        EXPECT_EQ(e.description(), c.message);
        EXPECT_EQ(e.number(), c.number);
        EXPECT_EQ(e.source(), QCoreApplication::applicationName() + ".cSendKeys");
    }
    EXPECT_EQ(sink.trace(), c.keysBeforeFailure);
    EXPECT_TRUE(sink.keysHeld().empty()) << "held: " << sink.keysHeld().size();
}

const FailureCase kFailures[] = {
    {"UnmatchedClosingParenthesis", "a)", "+A -A", 0,
     "Invalid sendkeys command: unmatched ) at position 2"},
    {"ClosingParenthesisAfterClosedGroup", "+(a))", "+Shift +A -A -Shift", 0,
     "Invalid sendkeys command: unmatched ) at position 5"},
    {"OpenGroupAtTheEnd", "+(a", "+Shift +A -A -Shift", 0,
     "Invalid sendkeys command: more open brackets than close brackets."},
    {"TwoOpenGroupsReleasedInnermostFirst", "+(~(x", "+Shift +Ctrl +X -X -Ctrl -Shift", 0,
     "Invalid sendkeys command: more open brackets than close brackets."},
    {"LoneOpeningBrace", "{", "", 0,
     "Invalid sendkeys command; opening { without content or closing } at position 1"},
    {"BraceWithOneCharacter", "{a", "", 0,
     "Invalid sendkeys command; opening { without content or closing } at position 1"},
    {"EmptyBraces", "{}", "", 0,
     "Invalid sendkeys command; opening { without content or closing } at position 1"},
    {"BraceAfterKeys", "ab{", "+A -A +B -B", 0,
     "Invalid sendkeys command; opening { without content or closing } at position 3"},
    {"BraceWithoutClosing", "{ab", "", 0,
     "Invalid sendkeys command; opening { without closing } at position 1"},
    {"BraceWithoutClosingInGroup", "~(x{F4", "+Ctrl +X -X -Ctrl", 0,
     "Invalid sendkeys command; opening { without closing } at position 4"},
    {"CountThatIsNoNumber", "{TAB x}", "", 0,
     "Invalid sendkeys command; key repetitions 'x' is invalid near position 8"},
    {"CountThatIsNoNumberAfterKeys", "ab{TAB x}c", "+A -A +B -B", 0,
     "Invalid sendkeys command; key repetitions 'x' is invalid near position 10"},
    {"BadCountInGroupReleasesControl", "~({TAB 2x})", "+Ctrl -Ctrl", 0,
     "Invalid sendkeys command; key repetitions '2x' is invalid near position 11"},
    {"EmptyCount", "{TAB }", "", 0,
     "Invalid sendkeys command; key repetitions '' is invalid near position 7"},
    {"CountWithPlaceholderText", "{a %1}", "", 0,
     "Invalid sendkeys command; key repetitions '%1' is invalid near position 7"},
    {"CountBeyondThirtyTwoBits", "{a 3000000000}", "", 0,
     "Invalid sendkeys command; key repetitions '3000000000' is invalid near position 15"},
    {"CountThatWouldFreezeTheWindow", "{a 2000000000}", "", 0,
     "Invalid sendkeys command; key repetitions '2000000000' is invalid near position 15"},
    {"CountJustAboveTheLimit", "{a 1001}", "", 0,
     "Invalid sendkeys command; key repetitions '1001' is invalid near position 9"},
    {"CharacterWithoutAKey", "ab\u00e9", "+A -A +B -B", 9, "Key \u00e9 could not be interpreted."},
    {"NameWithoutAKeyInGroup", "+({\u00e9t\u00e9})", "+Shift -Shift", 9,
     "Key \u00e9t\u00e9 could not be interpreted."},
    {"EmptyNameWithCount", "{ 2}", "", 9, "Key  could not be interpreted."},
    {"CharacterBeyondSixteenBits", "a\U0001F600", "+A -A", 9, "Key \U0001F600 could not be interpreted."},
};

INSTANTIATE_TEST_SUITE_P(SendKeys, ScriptFails, ::testing::ValuesIn(kFailures),
                         [](const auto &info) { return std::string(info.param.name); });

// A sink that fails on one key, as a platform that refuses an event would.
class FailingKeySink : public RecordingKeySink {
public:
    explicit FailingKeySink(int failingKey) : m_failingKey(failingKey) {}
    void keyDown(int vKey) override
    {
        if (vKey == m_failingKey)
            throw SendKeysError(5, "sink", "The key could not be sent.");
        RecordingKeySink::keyDown(vKey);
    }

private:
    int m_failingKey;
};

TEST(SendKeys, SinkFailureKeepsItsNumberAndReleasesTheGroups)
{
    FailingKeySink sink('X');
    clsSendKeys sender(sink);
    try {
        sender.SendKeys("+(~(ax))");
        FAIL() << "the failure was not reported";
    } catch (const SendKeysError &e) {
        EXPECT_EQ(e.number(), 5);
        EXPECT_EQ(e.description(), "The key could not be sent.");
        EXPECT_EQ(e.source(), QCoreApplication::applicationName() + ".cSendKeys");
    }
    EXPECT_EQ(sink.trace(), "+Shift +Ctrl +A -A -Ctrl -Shift");
}

TEST(SendKeys, FailedCallLeavesNoGroupOpenForTheNext)
{
    RecordingKeySink sink;
    clsSendKeys sender(sink);
    EXPECT_THROW(sender.SendKeys("+(a"), SendKeysError);
    sink.clear();
    try {
        sender.SendKeys("b)");
        FAIL() << "the closing parenthesis closed a group of the failed call";
    } catch (const SendKeysError &e) {
        EXPECT_EQ(e.description(), "Invalid sendkeys command: unmatched ) at position 2");
    }
    EXPECT_EQ(sink.trace(), "+B -B");
}

} // namespace
