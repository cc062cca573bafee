// Case-insensitive text rules for every script.
#include "catalogue/UnicodeText.h"
#include "tests/common/FixtureCatalogue.h"

#include <gtest/gtest.h>

struct LikeCase {
    const char *name;
    const char *pattern;
    const char *text;
    bool matches;
};

class UnicodeLikeTable : public ::testing::TestWithParam<LikeCase> {};

TEST_P(UnicodeLikeTable, Matches)
{
    const LikeCase &c = GetParam();
    EXPECT_EQ(UnicodeLike(QString::fromUtf8(c.pattern), QString::fromUtf8(c.text)), c.matches);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnicodeLikeTable,
    ::testing::Values(LikeCase{"VietnameseCapitalD", "%ĐINH%", "cây đinh vàng", true},
                      LikeCase{"AsciiCase", "%MANG%", "Acacia mangium", true},
                      LikeCase{"ThaiSubstring", "%สัก%", "ไม้สักทอง", true},
                      LikeCase{"AccentIsNotIgnored", "%dinh%", "đinh", false},
                      LikeCase{"Underscore", "ma_gium", "mangium", true},
                      LikeCase{"UnderscoreNeedsOneChar", "ma_ngium", "mangium", false},
                      LikeCase{"PercentMatchesEmpty", "%%", "", true},
                      LikeCase{"AnchoredStart", "acacia%", "Acacia mangium", true},
                      LikeCase{"AnchoredEnd", "%acacia", "Acacia mangium", false},
                      LikeCase{"Backtracking", "%ab%ab%c", "xabyabzabc", true},
                      LikeCase{"LongTextNoMatch", "%zzz%", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", false},
                      LikeCase{"GermanSharpS", "%STRASSE%", "Hauptstraße", false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(UnicodeCompare, FoldsCaseAndSortsAccentsBesideTheirLetter)
{
    EXPECT_EQ(UnicodeCompare(u"ĐINH", u"đinh"), 0);
    EXPECT_EQ(UnicodeCompare(u"Tếch", u"TẾCH"), 0);
    EXPECT_LT(UnicodeCompare(u"ếch", u"f"), 0);  // ế sorts with e, before f
    EXPECT_LT(UnicodeCompare(u"đinh", u"giá"), 0); // đ sorts with d
    EXPECT_NE(UnicodeCompare(u"tech", u"tếch"), 0); // accents still tell names apart
    EXPECT_LT(UnicodeCompare(u"abc", u"abd"), 0);
    EXPECT_GT(UnicodeCompare(u"abcd", u"ABC"), 0);
}

TEST(UnicodeText, StatementsFoldCaseInEveryScript)
{
    FixtureApplication app;
    EXPECT_EQ(QueryRows("SELECT Name FROM Vernacular WHERE Name LIKE '%ĐINH%'"), QStringList{"đinh"});
    EXPECT_EQ(QueryRows("SELECT Name FROM Vernacular WHERE Name LIKE '%KEO TAI TƯỢNG%'"), QStringList{"keo tai tượng"});
    EXPECT_EQ(QueryRows("SELECT lang FROM t_Language WHERE lang = 'VIETNAMESE'"), QStringList{"Vietnamese"});
    // UNION treats names differing only in case as one row, as the Jet engine does.
    const QStringList genera = QueryRows("SELECT Genus FROM Synonym WHERE SpID = 2 UNION SELECT upper(Genus) From "
                                         "Species WHERE SpID = 2 ORDER BY Genus ASC");
    ASSERT_EQ(genera.size(), 2);
    EXPECT_EQ(genera[0], "Jatus");
    EXPECT_EQ(genera[1].compare("tectona", Qt::CaseInsensitive), 0);
}
