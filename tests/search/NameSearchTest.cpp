// The two name searches: their statements, and what they find on the fixture
// catalogue by current name, synonym and common name in several scripts.
#include "catalogue/CatalogueError.h"
#include "search/NameSearch.h"
#include "search/SearchStatements.h"
#include "tests/common/FixtureCatalogue.h"
#include "tests/common/QtPrinters.h"
#include "tests/search/SearchFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A row as "SpID|found|current|genus|language".
QStringList rowsOf(const SpeciesList &list)
{
    QStringList rows;
    for (const SpeciesListRow &r : list.rows)
        rows << QStringList{r.spId, r.found, r.current, r.extra, r.language}.join(QLatin1Char('|'));
    return rows;
}

QStringList sorted(QStringList rows)
{
    std::sort(rows.begin(), rows.end());
    return rows;
}

// The texts of one column (0 SpID .. 4 language) in list order.
QStringList column(const SpeciesList &list, int index)
{
    QStringList texts;
    for (const QString &row : rowsOf(list))
        texts << row.section(QLatin1Char('|'), index, index);
    return texts;
}

bool isOrdered(const QStringList &texts)
{
    return std::is_sorted(texts.begin(), texts.end(),
                          [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
}

struct SearchCase {
    const char *name;
    const char *text;
    QStringList expected; // any order; the test checks the ordering column separately
};

void PrintTo(const SearchCase &c, std::ostream *os) { *os << c.name; }

class NameSearch : public ::testing::Test {
protected:
    FixtureApplication app{SearchFixtureRows()};
};

class BotanicSearch : public NameSearch, public ::testing::WithParamInterface<SearchCase> {};
class CommonSearch : public NameSearch, public ::testing::WithParamInterface<SearchCase> {};

} // namespace

TEST(SearchStatements, TextsAreTheFixedFragmentsAroundTheTypedText)
{
    EXPECT_EQ(BotanicSearchStatement("tect"),
              "SELECT Species.SpID, Species.SpeciesName AS taxa, Species.SpeciesName, Species.Genus FROM Species "
              "WHERE Species.SpeciesName LIKE '%tect%' UNION SELECT Species.SpID, Synonym.Synonym AS taxa, "
              "Species.SpeciesName, Synonym.Genus FROM Species INNER JOIN Synonym ON Species.SpID = Synonym.SpID "
              "WHERE Synonym.Synonym LIKE '%tect%' ORDER BY Species.SpeciesName ASC");
    EXPECT_EQ(CommonSearchStatement("teak"),
              "SELECT Vernacular.SpID, Vernacular.Name, t_Language.lang AS lang, Species.SpeciesName, Species.Genus "
              "FROM Species INNER JOIN (t_Language INNER JOIN Vernacular ON t_Language.LID = Vernacular.LID) "
              "ON Species.SpID = Vernacular.SpID WHERE Vernacular.Name LIKE '%teak%' ORDER BY Vernacular.Name ASC");
}

TEST(SearchStatements, QuotesAreDoubledAndWildcardsKept)
{
    EXPECT_TRUE(BotanicSearchStatement("d'u").contains("Species.SpeciesName LIKE '%d''u%' UNION"));
    EXPECT_TRUE(BotanicSearchStatement("d'u").contains("Synonym.Synonym LIKE '%d''u%' ORDER BY"));
    EXPECT_TRUE(CommonSearchStatement("x' OR 'a'='a").contains("LIKE '%x'' OR ''a''=''a%' ORDER BY"));
    EXPECT_TRUE(CommonSearchStatement("t_a%k").contains("LIKE '%t_a%k%'"));
}

TEST_P(BotanicSearch, FindsCurrentNamesAndSynonymsOrderedByCurrentName)
{
    const SearchCase &c = GetParam();
    const SpeciesList found = SearchBotanicNames(QString::fromUtf8(c.text));
    EXPECT_EQ(sorted(rowsOf(found)), sorted(c.expected));
    EXPECT_TRUE(isOrdered(column(found, 2))) << rowsOf(found).join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BotanicSearch,
    ::testing::Values(
        SearchCase{"CurrentNameAndItsSynonym", "mangium",
                   {"1|Acacia mangium|Acacia mangium|Acacia|", "1|Racosperma mangium|Acacia mangium|Racosperma|"}},
        SearchCase{"GenusPartListsTheSynonymBesideItsSpecies", "tectona",
                   {"2|Tectona grandis|Tectona grandis|Tectona|", "2|Tectona theka|Tectona grandis|Tectona|"}},
        SearchCase{"SynonymOnly", "jatus", {"2|Jatus grandis|Tectona grandis|Jatus|"}},
        SearchCase{"LetterCaseIgnored", "GRANDIS",
                   {"2|Jatus grandis|Tectona grandis|Jatus|", "2|Tectona grandis|Tectona grandis|Tectona|"}},
        SearchCase{"AnyPositionInTheName", "ulata", {"5|Markhamia stipulata|Markhamia stipulata|Markhamia|"}},
        SearchCase{"QuoteInTheText", "d'urv", {"7|Pandanus d'urvillei|Pandanus d'urvillei|Pandanus|"}},
        SearchCase{"QuoteCannotChangeTheStatement", "x' OR 'a'='a", {}},
        SearchCase{"UnderscoreStandsForOneLetter", "th_ka", {"2|Tectona theka|Tectona grandis|Tectona|"}},
        SearchCase{"PercentStandsForAnyRun", "ja%dis", {"2|Jatus grandis|Tectona grandis|Jatus|"}},
        SearchCase{"NothingFound", "zzz", {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_P(CommonSearch, FindsCommonNamesInEveryLanguageOrderedByName)
{
    const SearchCase &c = GetParam();
    const SpeciesList found = SearchCommonNames(QString::fromUtf8(c.text));
    EXPECT_EQ(sorted(rowsOf(found)), sorted(c.expected));
    EXPECT_TRUE(isOrdered(column(found, 1))) << rowsOf(found).join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommonSearch,
    ::testing::Values(SearchCase{"English", "teak", {"2|teak|Tectona grandis|Tectona|English"}},
                      SearchCase{"EnglishUpperCase", "TEAK", {"2|teak|Tectona grandis|Tectona|English"}},
                      SearchCase{"Thai", "สัก", {"2|สัก|Tectona grandis|Tectona|Thai"}},
                      SearchCase{"Khmer", "សាក់", {"2|ម៉ៃសាក់|Tectona grandis|Tectona|Khmer"}},
                      SearchCase{"VietnameseUpperCase", "KEO TAI TƯỢNG",
                                 {"1|keo tai tượng|Acacia mangium|Acacia|Vietnamese"}},
                      SearchCase{"VietnameseTypedDecomposed", "tai tu\u031bo\u031b\u0323ng",
                                 {"1|keo tai tượng|Acacia mangium|Acacia|Vietnamese"}},
                      SearchCase{"VietnameseCapitalD", "ĐINH", {"5|đinh|Markhamia stipulata|Markhamia|Vietnamese"}},
                      SearchCase{"QuoteInTheText", "d'eau", {"7|pandan d'eau|Pandanus d'urvillei|Pandanus|English"}},
                      SearchCase{"SeveralLanguagesOrderedByName", "an",
                                 {"1|mangium|Acacia mangium|Acacia|English", "3|giant bamboo|Dendrocalamus asper|Dendrocalamus|English",
                                  "4|manau|Calamus manan|Calamus|English", "7|pandan d'eau|Pandanus d'urvillei|Pandanus|English"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(NameSearch, EachSearchKindBringsItsColumnLayout)
{
    const SpeciesList botanic = SearchBotanicNames("a");
    EXPECT_EQ(botanic.headers, (QStringList{"Synonym Names", "Current Names", "Genus", ""}));
    EXPECT_EQ(botanic.widths, (QList<int>{320, 0, 5000, 3000, 3000, 0}));
    const SpeciesList common = SearchCommonNames("a");
    EXPECT_EQ(common.headers, (QStringList{"Common Names", "Current Names", "Genus", "Language"}));
    EXPECT_EQ(common.widths, (QList<int>{320, 0, 2500, 2500, 2500, 2500}));
}

TEST(NameSearchWithoutCatalogue, FailsWithTheReason)
{
    EXPECT_THROW(SearchBotanicNames("a"), CatalogueError);
}
