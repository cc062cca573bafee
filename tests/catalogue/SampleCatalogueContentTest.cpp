// The bundled sample catalogue keeps the promises made about its content:
// enough species, genera, families, languages, bamboos and rattans; every species
// complete enough for every window; ranges a map can use; clean text.
#include "catalogue/modDatabase.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>

#include <memory>
#include <ostream>
#include <string>

namespace {

// Minimum counts the bundled catalogue promises its users. Never lower them to
// make a test pass.
constexpr int MinSpecies = 60;
constexpr int MinGenera = 25;
constexpr int MinFamilies = 15;
constexpr int MinLanguages = 8; // English and at least seven of the region
constexpr int MinBamboos = 3;
constexpr int MinRattans = 3;

class SampleCatalogueContent : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        catalogue = Connection::OpenFile(SILVARIA_SOURCE_DIR "/data/Database/dbsilvar.mdb").release();
    }
    static void TearDownTestSuite()
    {
        delete catalogue;
        catalogue = nullptr;
    }

    // The first column of every row, as text.
    static QStringList column(const QString &sql)
    {
        QStringList values;
        RecordSet rows = catalogue->Open(sql);
        for (; !rows.isEOF(); rows.moveNext())
            values << rows.value(0).toString();
        return values;
    }

    static int count(const QString &sql) { return catalogue->Open(sql).value(0).toInt(); }

    static Connection *catalogue;
};

Connection *SampleCatalogueContent::catalogue = nullptr;

// Offending values joined into one line, so a failure prints them readably.
std::string listed(const QStringList &values) { return values.join(QStringLiteral("; ")).toStdString(); }

struct CountCase {
    const char *what;
    const char *sql;
    int minimum;
};

const CountCase Counts[] = {
    {"species", "SELECT COUNT(*) FROM Species", MinSpecies},
    {"genera of current names", "SELECT COUNT(DISTINCT Genus) FROM Species", MinGenera},
    {"families with species", "SELECT COUNT(DISTINCT FID) FROM Species", MinFamilies},
    {"languages with common names", "SELECT COUNT(DISTINCT LID) FROM Vernacular", MinLanguages},
    {"bamboos", "SELECT COUNT(*) FROM Species WHERE Bamboo = 1", MinBamboos},
    {"rattans", "SELECT COUNT(*) FROM Species WHERE Rattan = 1", MinRattans},
    {"genera found only among synonyms",
     "SELECT COUNT(DISTINCT Genus) FROM Synonym WHERE Genus NOT IN (SELECT Genus FROM Species)", 1},
    {"potentially invasive species", "SELECT COUNT(*) FROM Species WHERE InvasiveStatus = 1", 1},
    {"species whose only uses are charcoal, bamboo or rattan",
     "SELECT COUNT(*) FROM Species WHERE Timber = 0 AND Fruit = 0 AND Resin = 0 AND Fodder = 0 "
     "AND Firewood = 0 AND Others = 0 AND (Charcoal = 1 OR Bamboo = 1 OR Rattan = 1)", 1},
};

void PrintTo(const CountCase &c, std::ostream *os) { *os << c.what; }

class CatalogueCounts : public SampleCatalogueContent, public ::testing::WithParamInterface<CountCase> {};

TEST_P(CatalogueCounts, ReachesItsMinimum)
{
    const CountCase &c = GetParam();
    EXPECT_GE(count(QString::fromLatin1(c.sql)), c.minimum) << c.what;
}

INSTANTIATE_TEST_SUITE_P(SampleCatalogue, CatalogueCounts, ::testing::ValuesIn(Counts),
                         [](const ::testing::TestParamInfo<CountCase> &info) {
                             QString name = QString::fromLatin1(info.param.what);
                             name.replace(QRegularExpression(QStringLiteral("[^A-Za-z]")), QString());
                             return name.toStdString();
                         });

TEST_F(SampleCatalogueContent, EveryFunctionalUseHasSpecies)
{
    for (const char *use : {"Timber", "Fruit", "Resin", "Fodder", "Firewood", "Charcoal", "Bamboo", "Rattan", "Others"})
        EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM Species WHERE %1 = 1").arg(QLatin1String(use))), 0) << use;
}

TEST_F(SampleCatalogueContent, AtLeastHalfTheSpeciesHaveSynonyms)
{
    const int withSynonyms = count(QStringLiteral("SELECT COUNT(DISTINCT SpID) FROM Synonym"));
    const int species = count(QStringLiteral("SELECT COUNT(*) FROM Species"));
    EXPECT_GE(2 * withSynonyms, species) << withSynonyms << " of " << species << " species have synonyms";
}

TEST_F(SampleCatalogueContent, EnglishIsAmongTheLanguages)
{
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM Vernacular INNER JOIN t_Language ON "
                                   "t_Language.LID = Vernacular.LID WHERE t_Language.lang = 'English'")),
              0);
}

// Each statement lists the rows that break one rule; the rule holds when it lists none.
struct RuleCase {
    const char *rule;
    const char *offenders;
};

const RuleCase Rules[] = {
    {"every species has a family row",
     "SELECT SpeciesName FROM Species WHERE FID NOT IN (SELECT FID FROM Family)"},
    {"every species has a common name",
     "SELECT SpeciesName FROM Species WHERE SpID NOT IN (SELECT SpID FROM Vernacular)"},
    {"every species has distribution rows",
     "SELECT SpeciesName FROM Species WHERE SpID NOT IN (SELECT SpID FROM Distribution)"},
    {"every species has a reference", "SELECT SpeciesName FROM Species WHERE SpID NOT IN (SELECT SpID FROM SpRef)"},
    {"every species has at most four references",
     "SELECT SpeciesName FROM Species WHERE (SELECT COUNT(*) FROM SpRef WHERE SpRef.SpID = Species.SpID) > 4"},
    {"every species has an authority", "SELECT SpeciesName FROM Species WHERE Authority IS NULL OR Authority = ''"},
    {"every fact-sheet section is written",
     "SELECT SpeciesName FROM Species WHERE Botanic IS NULL OR Cultivation IS NULL OR Habitat IS NULL "
     "OR Biophysical IS NULL OR Biology IS NULL OR Propagation IS NULL OR TreeManagement IS NULL "
     "OR Germplasm IS NULL OR Products IS NULL OR Services IS NULL OR Pests IS NULL"},
    {"every species has at least one use",
     "SELECT SpeciesName FROM Species WHERE Timber + Fruit + Resin + Fodder + Firewood + Charcoal + Bamboo "
     "+ Rattan + Others = 0"},
    {"the genus is the first word of the current name",
     "SELECT SpeciesName FROM Species WHERE SpeciesName NOT LIKE Genus || ' %'"},
    {"the genus is the first word of the synonym",
     "SELECT Synonym FROM Synonym WHERE Synonym NOT LIKE Genus || ' %'"},
    {"the printed synonym begins with the listed synonym",
     "SELECT Name FROM Synonym WHERE substr(Name, 1, length(Synonym)) <> Synonym"},
    {"every synonym's species exists", "SELECT Synonym FROM Synonym WHERE SpID NOT IN (SELECT SpID FROM Species)"},
    {"no synonym repeats a current name", "SELECT Synonym FROM Synonym WHERE Synonym IN (SELECT SpeciesName FROM Species)"},
    {"every common name's species exists",
     "SELECT Name FROM Vernacular WHERE SpID NOT IN (SELECT SpID FROM Species)"},
    {"every common name's language exists",
     "SELECT Name FROM Vernacular WHERE LID NOT IN (SELECT LID FROM t_Language)"},
    {"every distribution row names a known country",
     "SELECT Iso FROM Distribution WHERE Iso NOT IN (SELECT Iso FROM Country)"},
    {"every distribution row is native or exotic", "SELECT Iso FROM Distribution WHERE Distribution NOT IN (1, 2)"},
    {"no country is listed twice for a species",
     "SELECT SpID || ' ' || Iso FROM Distribution GROUP BY SpID, Iso HAVING COUNT(*) > 1"},
    {"every reference link is complete",
     "SELECT SpID FROM SpRef WHERE SpID NOT IN (SELECT SpID FROM Species) OR RefID NOT IN (SELECT RefID FROM [References])"},
    {"every additional information row belongs to a species",
     "SELECT SpID FROM AddInfo WHERE SpID NOT IN (SELECT SpID FROM Species)"},
    {"every image belongs to a species", "SELECT Image FROM Images WHERE SpID NOT IN (SELECT SpID FROM Species)"},
    // The photo viewer looks up <Image>.jpg; names follow genus_species_N.
    {"every image is named after its species",
     "SELECT Image FROM Images INNER JOIN Species ON Species.SpID = Images.SpID "
     "WHERE Image NOT LIKE replace(lower(SpeciesName), ' ', '_') || '\\_%' ESCAPE '\\'"},
    {"every image has an author and a caption",
     "SELECT Image FROM Images WHERE Author IS NULL OR Author = '' OR Details IS NULL OR Details = ''"},
    {"species known to be potentially invasive are marked so",
     "SELECT SpeciesName FROM Species WHERE SpeciesName IN ('Leucaena leucocephala', 'Acacia mangium', "
     "'Acacia auriculiformis', 'Falcataria moluccana', 'Melia azedarach', 'Casuarina equisetifolia') "
     "AND InvasiveStatus <> 1"},
    {"invasive status is 1 or 2",
     "SELECT SpeciesName FROM Species WHERE InvasiveStatus IS NULL OR InvasiveStatus NOT IN (1, 2)"},
    // Ranges: a map can use them only when ordered and physically possible.
    {"altitude is not below sea level",
     "SELECT SpeciesName FROM Species WHERE MinAltitude < 0 OR MaxAltitude < 0"},
    {"altitude stays below the highest mountains of the region",
     "SELECT SpeciesName FROM Species WHERE MaxAltitude > 6000"},
    {"rainfall is above zero", "SELECT SpeciesName FROM Species WHERE MinRainfall <= 0 OR MaxRainfall <= 0"},
    {"rainfall stays below the wettest places of the region",
     "SELECT SpeciesName FROM Species WHERE MaxRainfall > 12000"},
    {"mean annual temperature is tropical to temperate",
     "SELECT SpeciesName FROM Species WHERE MinTemperature < 0 OR MaxTemperature > 35"},
    {"altitude minimum is not above its maximum",
     "SELECT SpeciesName FROM Species WHERE MinAltitude > MaxAltitude"},
    {"rainfall minimum is not above its maximum",
     "SELECT SpeciesName FROM Species WHERE MinRainfall > MaxRainfall"},
    {"temperature minimum is not above its maximum",
     "SELECT SpeciesName FROM Species WHERE MinTemperature > MaxTemperature"},
    // Users rely on every species being mappable and fully described; the
    // edge cases of missing ranges and texts live in the test fixture.
    {"every species has all three ranges",
     "SELECT SpeciesName FROM Species WHERE MinAltitude IS NULL OR MaxAltitude IS NULL OR MinRainfall IS NULL "
     "OR MaxRainfall IS NULL OR MinTemperature IS NULL OR MaxTemperature IS NULL"},
    {"every species has additional information", "SELECT SpeciesName FROM Species WHERE SpID NOT IN (SELECT SpID FROM AddInfo)"},
    // Names are put between single quotes in the application's statements.
    {"no name holds a single quote",
     "SELECT SpeciesName FROM Species WHERE SpeciesName LIKE '%''%' OR Genus LIKE '%''%' "
     "UNION SELECT Synonym FROM Synonym WHERE Synonym LIKE '%''%' OR Genus LIKE '%''%' "
     "UNION SELECT Name FROM Vernacular WHERE Name LIKE '%''%' "
     "UNION SELECT lang FROM t_Language WHERE lang LIKE '%''%'"},
    // The fact sheet formats every occurrence of this placeholder, also inside a text.
    {"no text contains the no-data placeholder",
     "SELECT SpeciesName FROM Species WHERE (Botanic || Cultivation || Habitat || Biophysical || Biology || "
     "Propagation || TreeManagement || Germplasm || Products || Services || Pests) LIKE '%- No Data -%'"},
};

void PrintTo(const RuleCase &c, std::ostream *os) { *os << c.rule; }

class CatalogueRules : public SampleCatalogueContent, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(CatalogueRules, HoldForEveryRow)
{
    const RuleCase &c = GetParam();
    EXPECT_EQ(listed(column(QString::fromLatin1(c.offenders))), "") << c.rule;
}

INSTANTIATE_TEST_SUITE_P(SampleCatalogue, CatalogueRules, ::testing::ValuesIn(Rules),
                         [](const ::testing::TestParamInfo<RuleCase> &info) {
                             QString name = QString::fromLatin1(info.param.rule);
                             name.replace(QRegularExpression(QStringLiteral("[^A-Za-z]")), QString());
                             return name.toStdString();
                         });

// Every text value of every table, checked for stray white space at either end
// and for doubled spaces inside.
TEST_F(SampleCatalogueContent, NoTextHasStraySpaces)
{
    QStringList offenders;
    for (const QString &table : column(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"))) {
        RecordSet rows = catalogue->Open(QStringLiteral("SELECT * FROM [%1]").arg(table));
        for (; !rows.isEOF(); rows.moveNext()) {
            for (int i = 0; i < rows.fieldCount(); ++i) {
                const QVariant v = rows.value(i);
                if (v.typeId() != QMetaType::QString)
                    continue;
                const QString text = v.toString();
                if (text != text.trimmed() || text.contains(QStringLiteral("  ")))
                    offenders << QStringLiteral("%1.%2: [%3]").arg(table, rows.fieldName(i), text.left(60));
            }
        }
    }
    EXPECT_EQ(listed(offenders), "");
}

// Thai, Khmer, Lao and Burmese names are written in their own scripts.
struct ScriptCase {
    const char *language;
    char16_t first;
    char16_t last;
};

const ScriptCase Scripts[] = {
    {"Thai", u'\u0E00', u'\u0E7F'},
    {"Lao", u'\u0E80', u'\u0EFF'},
    {"Burmese", u'\u1000', u'\u109F'},
    {"Khmer", u'\u1780', u'\u17FF'},
};

void PrintTo(const ScriptCase &c, std::ostream *os) { *os << c.language; }

class CommonNameScripts : public SampleCatalogueContent, public ::testing::WithParamInterface<ScriptCase> {};

TEST_P(CommonNameScripts, AreWrittenInTheLanguagesScript)
{
    const ScriptCase &c = GetParam();
    QStringList offenders;
    for (const QString &name : column(QStringLiteral("SELECT Vernacular.Name FROM Vernacular INNER JOIN t_Language ON "
                                                     "t_Language.LID = Vernacular.LID WHERE t_Language.lang = '%1'")
                                          .arg(QLatin1String(c.language)))) {
        for (const QChar ch : name) {
            if (ch != u' ' && ch != u'-' && (ch.unicode() < c.first || ch.unicode() > c.last)) {
                offenders << name;
                break;
            }
        }
    }
    EXPECT_EQ(listed(offenders), "") << c.language;
}

INSTANTIATE_TEST_SUITE_P(SampleCatalogue, CommonNameScripts, ::testing::ValuesIn(Scripts),
                         [](const ::testing::TestParamInfo<ScriptCase> &info) { return std::string(info.param.language); });

// Vietnamese names carry their diacritics as single composed characters, which
// is how users type them into the search box.
TEST_F(SampleCatalogueContent, VietnameseNamesAreComposed)
{
    QStringList offenders;
    for (const QString &name : column(QStringLiteral("SELECT Vernacular.Name FROM Vernacular INNER JOIN t_Language ON "
                                                     "t_Language.LID = Vernacular.LID WHERE t_Language.lang = 'Vietnamese'")))
        if (name != name.normalized(QString::NormalizationForm_C))
            offenders << name;
    EXPECT_EQ(listed(offenders), "");
}

} // namespace
