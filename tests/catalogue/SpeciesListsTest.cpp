// The tree and list statements: what they return on the fixture, and the values they refuse.
#include "catalogue/CatalogueError.h"
#include "catalogue/ListStatements.h"
#include "catalogue/SpeciesLists.h"
#include "tests/common/FixtureCatalogue.h"

#include <gtest/gtest.h>

namespace {

QStringList found(const SpeciesList &list)
{
    QStringList names;
    for (const SpeciesListRow &row : list.rows)
        names << row.found;
    return names;
}

} // namespace

TEST(ListStatements, ValuesThatAreNoColumnOrNumberAreRefused)
{
    EXPECT_THROW(UseListStatement("Species.Timber) = True)) OR ((1"), CatalogueError);
    EXPECT_THROW(SpeciesByIdStatement("1 OR 1=1"), CatalogueError);
    EXPECT_THROW(SpeciesByIdStatement(""), CatalogueError);
    EXPECT_EQ(SpIdLiteral(" 7 "), "7");
}

class SpeciesLists : public ::testing::Test {
protected:
    FixtureApplication app;
};

TEST_F(SpeciesLists, BotanicListShowsSynonymsUnderTheirSpeciesWithUseSuffix)
{
    const SpeciesList list = QueryBotanicList(QString(), ListAll);
    EXPECT_EQ(list.headers, (QStringList{"Synonym Names", "Current Names", "Functional Uses", ""}));
    EXPECT_EQ(list.widths, (QList<int>{320, 0, 5000, 3000, 3000, 0}));
    ASSERT_EQ(list.rows.size(), 9);
    // Teak and its two synonyms: three rows, one species.
    QStringList teak;
    for (const SpeciesListRow &row : list.rows) {
        if (row.spId == "2") {
            teak << row.found;
            EXPECT_EQ(row.current, "Tectona grandis");
            EXPECT_EQ(row.extra, " (Timber) (Others)");
        }
        // Uses shown only by the use tree add nothing to the suffix.
        if (row.current == "Dendrocalamus asper" || row.current == "Calamus manan")
            EXPECT_EQ(row.extra, "");
        if (row.current == "Acacia mangium")
            EXPECT_EQ(row.extra, " (Timber) (Firewood)");
    }
    EXPECT_EQ(teak.size(), 3);
}

TEST_F(SpeciesLists, GenusListIncludesSynonymsOfThatGenusOnly)
{
    EXPECT_EQ(found(QueryBotanicList("Racosperma", ListGroup)), QStringList{"Racosperma mangium"});
    EXPECT_EQ(found(QueryBotanicList("Tectona", ListGroup)), (QStringList{"Tectona grandis", "Tectona theka"}));
    EXPECT_EQ(found(QueryBotanicList("tectona", ListGroup)).size(), 2); // case-insensitive like the Jet engine
}

TEST_F(SpeciesLists, CommonListForOneLanguageIsSortedByName)
{
    const SpeciesList list = QueryCommonList("English", ListGroup);
    EXPECT_EQ(found(list), (QStringList{"giant bamboo", "manau", "mangium", "teak"}));
    for (const SpeciesListRow &row : list.rows)
        EXPECT_EQ(row.language, "English");
    EXPECT_EQ(list.rows.last().extra, "Tectona") << "the genus";
    EXPECT_EQ(QueryCommonList(QString(), ListAll).rows.size(), 8);
}

TEST_F(SpeciesLists, UseListsFindEveryUse)
{
    EXPECT_EQ(found(QueryUseList("Species.Charcoal")), (QStringList{"Acacia mangium", "Racosperma mangium"}));
    EXPECT_EQ(found(QueryUseList("Species.Bamboo")), QStringList{"Dendrocalamus asper"});
    EXPECT_EQ(found(QueryUseList("Species.Rattan")), QStringList{"Calamus manan"});
    EXPECT_TRUE(QueryUseList("Species.Resin").rows.isEmpty());
}

TEST_F(SpeciesLists, AStatementThatFailsGivesAnEmptyListWithItsReason)
{
    const SpeciesList list = QuerySpeciesById("not a number");
    EXPECT_TRUE(list.rows.isEmpty());
    EXPECT_FALSE(list.error.isEmpty());
    EXPECT_EQ(list.headers.first(), "Synonym Names");
}

TEST_F(SpeciesLists, TreesListEveryGenusAndLanguage)
{
    EXPECT_EQ(QueryBotanicTree(), (QStringList{"Acacia", "Calamus", "Dendrocalamus", "Jatus", "Markhamia", "Orphanus",
                                               "Racosperma", "Tectona"}));
    EXPECT_EQ(QueryCommonTree(), (QStringList{"English", "Thai", "Vietnamese"}));
}
