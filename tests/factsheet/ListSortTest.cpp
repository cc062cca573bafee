// Sorting the name lists by text, number and date.
#include "catalogue/ListSortKeys.h"
#include "controls/ListSorter.h"
#include "controls/ReportList.h"
#include "tests/common/WidgetTest.h"

#include <gtest/gtest.h>

namespace {

void fill(ReportList &list, const QStringList &values)
{
    list.clear();
    for (const QString &v : values)
        list.addRow({v, v.toUpper()});
}

} // namespace

TEST(SortKeys, InvNumberComplementsDigits)
{
    EXPECT_EQ(InvNumber("0123456789"), "9876543210");
    EXPECT_EQ(InvNumber("-1.5"), " 8.4");
}

TEST(SortKeys, NumberKeysOrderAsNumbers)
{
    EXPECT_EQ(NumberSortKey("x"), "");
    EXPECT_LT(NumberSortKey("-20"), NumberSortKey("-5"));
    EXPECT_LT(NumberSortKey("-5"), NumberSortKey("0.5"));
    EXPECT_LT(NumberSortKey("2.5"), NumberSortKey("10"));
}

TEST(SortKeys, DateKeys)
{
    EXPECT_EQ(DateSortKey("2024-03-05 14:07:09"), "20240305140709");
    EXPECT_EQ(DateSortKey("5/3/2024"), "20240305000000");
    EXPECT_EQ(DateSortKey("not a date"), "");
    EXPECT_EQ(SortModeFor("date"), SortMode::Date);
    EXPECT_EQ(SortModeFor("Number"), SortMode::Number);
    EXPECT_EQ(SortModeFor("Genus"), SortMode::Text);
}

TEST(ListSorter, EachModeSortsItsWayAndKeepsTheTexts)
{
    const struct {
        const char *name, *mode;
        QStringList values, ascending;
    } cases[] = {
        {"numbers, a text first", "NUMBER", {"-5", "3", "-20", "x", "0.5"}, {"x", "-20", "-5", "0.5", "3"}},
        {"dates, non-dates first", "Date", {"2024-01-02", "someday", "2023-12-31"}, {"someday", "2023-12-31", "2024-01-02"}},
        {"identifiers as text", "", {"9", "10", "2"}, {"10", "2", "9"}},
        {"text, case ignored", "", {"beta", "Alpha", "ĐINH", "delta"}, {"Alpha", "beta", "delta", "ĐINH"}},
    };
    ReportList list(3);
    for (const auto &c : cases) {
        fill(list, c.values);
        list.setSortOrder(1); // the next sort flips to ascending
        SortList(&list, 2, c.mode);
        EXPECT_EQ(ColumnTexts(&list, 1), c.ascending) << c.name;
        EXPECT_EQ(ColumnTexts(&list, 2), c.ascending.join('|').toUpper().split('|')) << c.name << ": the rows move whole";
    }
}

TEST(ListSorter, DirectionFlipsOnEveryClickWhateverTheColumn)
{
    ReportList list(3);
    fill(list, {"b", "a", "c"});
    SortList(&list, 2, "Synonym Names"); // first click on a new list: descending
    EXPECT_EQ(ColumnTexts(&list, 1), (QStringList{"c", "b", "a"}));
    SortList(&list, 2, "Synonym Names");
    EXPECT_EQ(ColumnTexts(&list, 1), (QStringList{"a", "b", "c"}));
    SortList(&list, 3, "Current Names");
    EXPECT_EQ(ColumnTexts(&list, 2), (QStringList{"C", "B", "A"}));
    EXPECT_TRUE(list.isSorted());
}
