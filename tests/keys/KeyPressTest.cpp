// Single keys sent by name: names outside the key-name table, counts, unmappable keys.
#include "keys/RecordingKeySink.h"
#include "keys/SendKeysError.h"
#include "keys/clsSendKeys.h"

#include "tests/common/QtPrinters.h"
#include <gtest/gtest.h>

#include <QCoreApplication>

namespace {

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

} // namespace
