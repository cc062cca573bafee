// The two name searches: their statements, and what they find on the fixture
// catalogue by current name, synonym and common name in several scripts.
#include "catalogue/CatalogueError.h"
#include "search/NameSearch.h"
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

TEST(NameSearchWithoutCatalogue, FailsWithTheReason)
{
    EXPECT_THROW(SearchBotanicNames("a"), CatalogueError);
}
