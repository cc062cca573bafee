// The statements of the catalogue, run unchanged on the fixture catalogue.
#include "catalogue/CatalogueError.h"
#include "catalogue/SqlDialect.h"
#include "catalogue/SqlText.h"
#include "catalogue/modDatabase.h"
#include "tests/common/FixtureCatalogue.h"

#include <gtest/gtest.h>

namespace {

class CatalogueEngine : public ::testing::Test {
protected:
    FixtureApplication app;
};

QStringList column(const QStringList &rows, int index)
{
    QStringList out;
    for (const QString &row : rows)
        out << row.section(QLatin1Char('|'), index, index);
    return out;
}

} // namespace

TEST_F(CatalogueEngine, DistinctRowAndBracketedReferences)
{
    const QStringList distribution = QueryRows(
        "SELECT DISTINCTROW Distribution.DistribID, Species.SpID, Species.SpeciesName, Country.Isoname, "
        "Distribution.Distribution FROM Country INNER JOIN (Species INNER JOIN Distribution ON Species.SpID = "
        "Distribution.SpID) ON Country.Iso = Distribution.Iso WHERE Species.SpID = 1 ORDER BY Distribution.Distribution ASC");
    EXPECT_EQ(column(distribution, 3), (QStringList{"Australia", "Indonesia", "Malaysia"}));
    EXPECT_EQ(column(distribution, 4), (QStringList{"1", "1", "2"}));

    const QStringList references = QueryRows(
        "SELECT SpRef.SpID, References.Reference FROM [References] INNER JOIN SpRef ON References.RefID = SpRef.RefID "
        "WHERE SpID = 2 ORDER BY References.Reference ASC");
    EXPECT_EQ(column(references, 1), (QStringList{"Alpha, B. (1993). Acacia mangium.", "Zeta, A. (1990). Teak."}));
}

TEST_F(CatalogueEngine, QuotedValuesCannotChangeAStatement)
{
    // Each hostile value is searched for literally and finds nothing; none breaks the statement.
    for (const QString &hostile : {QStringLiteral("x' OR '1'='1"), QStringLiteral("'; DROP TABLE Species; --"),
                                   QStringLiteral("O'Brien"), QStringLiteral("''''"),
                                   QString(QChar(0)) + "' --"}) {
        SCOPED_TRACE(hostile.toStdString());
        EXPECT_TRUE(QueryRows("SELECT SpID FROM Species WHERE Species.Genus =" + SqlQuote(hostile)).isEmpty());
    }
    EXPECT_EQ(QueryRows("SELECT count(*) FROM Species"), QStringList{"6"});
}

TEST(SqlText, QuotesAreDoubledAndPlainValuesUnchanged)
{
    EXPECT_EQ(SqlQuote("Acacia"), "'Acacia'");
    EXPECT_EQ(SqlQuote("O'Brien"), "'O''Brien'");
    EXPECT_EQ(SqlEscape("a''b"), "a''''b");
    EXPECT_EQ(SqlEscape(""), "");
    EXPECT_EQ(SqlQuote(QString(QChar(0)) + "Acacia"), "'Acacia'") << "a NUL would end the statement text";
}

TEST(SqlDialect, RewritesTheStatementButNeverQuotedText)
{
    const struct {
        const char *jet, *sqlite;
    } cases[] = {
        {"SELECT a FROM t ORDER BY t.a ASC", "SELECT a FROM t ORDER BY t.a ASC"},
        {"SELECT DISTINCTROW a FROM t", "SELECT DISTINCT a FROM t"},
        {"SELECT a FROM t UNION SELECT a FROM u ORDER BY t.a ASC",
         "SELECT * FROM (SELECT a FROM t UNION SELECT a FROM u) ORDER BY a ASC"},
        {"SELECT a FROM t UNION SELECT a FROM u", "SELECT a FROM t UNION SELECT a FROM u"},
        {"SELECT References.Title FROM [References]", "SELECT [References].Title FROM [References]"},
        // Search text that looks like the statement's own words stays as typed.
        {"SELECT a FROM t WHERE a LIKE '%SELECT DISTINCTROW x%'", "SELECT a FROM t WHERE a LIKE '%SELECT DISTINCTROW x%'"},
        {"SELECT a FROM t WHERE a = 'References.x' AND b = 'it''s References.y'",
         "SELECT a FROM t WHERE a = 'References.x' AND b = 'it''s References.y'"},
        {"SELECT a FROM t WHERE a LIKE '%x UNION y ORDER BY z%'", "SELECT a FROM t WHERE a LIKE '%x UNION y ORDER BY z%'"},
        {"SELECT a FROM t WHERE a = 'UNION' UNION SELECT a FROM u WHERE a = 'ORDER BY q' ORDER BY t.a",
         "SELECT * FROM (SELECT a FROM t WHERE a = 'UNION' UNION SELECT a FROM u WHERE a = 'ORDER BY q') ORDER BY a"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(AdaptStatement(c.jet), c.sqlite) << c.jet;
}

TEST_F(CatalogueEngine, ScrollableRecordSetMovesBothWays)
{
    RecordSet rs = CatalogueConnection().Open("SELECT * FROM Images WHERE SpID = 1", CursorType::Scrollable);
    ASSERT_FALSE(rs.isEOF());
    EXPECT_EQ(rs.text("Image"), "acacia_mangium_1");
    rs.moveNext();
    EXPECT_EQ(rs.text("Image"), "acacia_mangium_2");
    rs.moveNext();
    EXPECT_TRUE(rs.isEOF());
    rs.moveLast();
    EXPECT_EQ(rs.text("Image"), "acacia_mangium_2");
    rs.movePrevious();
    rs.movePrevious();
    EXPECT_TRUE(rs.isBOF());
    rs.moveFirst();
    EXPECT_FALSE(rs.isBOF());
    EXPECT_EQ(rs.text("image"), "acacia_mangium_1"); // field names are case-insensitive

    RecordSet none = CatalogueConnection().Open("SELECT * FROM Images WHERE SpID = 3", CursorType::Scrollable);
    EXPECT_TRUE(none.isEOF());
    EXPECT_TRUE(none.isBOF());
}

TEST_F(CatalogueEngine, FieldsReadAsTextNumberYesNoOrNull)
{
    RecordSet rs = CatalogueConnection().Open("SELECT * FROM Species WHERE SpID = 3");
    EXPECT_TRUE(rs.isNull("MinTemperature"));
    EXPECT_EQ(rs.text("MinTemperature"), "");
    EXPECT_EQ(rs.number("MaxRainfall"), 4000.0);
    EXPECT_EQ(rs.text("InvasiveStatus"), "2");
    EXPECT_TRUE(rs.isYes("Bamboo"));
    EXPECT_FALSE(rs.isYes("Timber"));
    EXPECT_THROW(rs.value(QStringLiteral("NoSuchField")), CatalogueError);
    rs.moveNext();
    EXPECT_TRUE(rs.isEOF());
    EXPECT_THROW(rs.value(0), CatalogueError);
}

TEST_F(CatalogueEngine, MalformedStatementIsAnErrorNamingIt)
{
    try {
        CatalogueConnection().Open("SELECT FROM WHERE");
        FAIL() << "expected an error";
    } catch (const CatalogueError &e) {
        EXPECT_TRUE(e.message().contains("SELECT FROM WHERE")) << e.message().toStdString();
    }
}
