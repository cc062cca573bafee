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

TEST(ListSorter, NumberModeSortsAndKeepsTheTexts)
{
    ReportList list(3);
    fill(list, {"-5", "3", "-20", "x", "0.5"});
    list.setSortOrder(1); // the next sort flips to ascending
    SortList(&list, 2, "NUMBER");
    EXPECT_EQ(ColumnTexts(&list, 1), (QStringList{"x", "-20", "-5", "0.5", "3"}));
    EXPECT_EQ(ColumnTexts(&list, 2), (QStringList{"X", "-20", "-5", "0.5", "3"}));
}

TEST(ListSorter, DateModePutsNonDatesFirst)
{
    ReportList list(3);
    fill(list, {"2024-01-02", "someday", "2023-12-31"});
    list.setSortOrder(1);
    SortList(&list, 2, "Date");
    EXPECT_EQ(ColumnTexts(&list, 1), (QStringList{"someday", "2023-12-31", "2024-01-02"}));
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

TEST(ListSorter, TextModeSortsIdentifiersAsTextAndIgnoresCase)
{
    ReportList list(3);
    fill(list, {"9", "10", "2"});
    list.setSortOrder(1);
    SortList(&list, 2, "");
    EXPECT_EQ(ColumnTexts(&list, 1), (QStringList{"10", "2", "9"}));
    fill(list, {"beta", "Alpha", "ĐINH", "delta"});
    list.setSortOrder(1);
    SortList(&list, 2, "");
    EXPECT_EQ(ColumnTexts(&list, 1), (QStringList{"Alpha", "beta", "delta", "ĐINH"}));
}
