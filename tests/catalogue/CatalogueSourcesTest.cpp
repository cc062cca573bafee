// The catalogue in plain files: the bundled catalogue exported and built again
// gives the same rows; the check finds one fault of each kind at its line.
#include "catalogue/CatalogueCheck.h"
#include "catalogue/CatalogueExport.h"
#include "catalogue/CatalogueSchema.h"
#include "catalogue/CatalogueWriter.h"
#include "catalogue/modDatabase.h"
#include "tests/common/FixtureCatalogue.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString Sources = QStringLiteral(SILVARIA_SOURCE_DIR "/tools/catalogue/sources");

} // namespace

TEST(CatalogueSources, ExportThenBuildGivesTheSameRows)
{
    QTemporaryDir dir;
    auto bundled = Connection::OpenFile(SILVARIA_SOURCE_DIR "/data/Database/dbsilvar.mdb");
    ExportCatalogueSources(*bundled, dir.filePath("sources"));
    EXPECT_TRUE(CheckCatalogueSources(dir.filePath("sources")).isEmpty());
    // The bundled catalogue's sources come back as they were written.
    for (const QString &name : QDir(Sources + "/species").entryList(QDir::Files) + QStringList{"../languages.json", "../countries.json"}) {
        QFile written(dir.filePath("sources/species/" + name)), source(Sources + "/species/" + name);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly) && source.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(written.readAll(), source.readAll()) << name.toStdString();
    }
    WriteCatalogueFromSources(dir.filePath("sources"), dir.filePath("again.mdb"));
    auto again = Connection::OpenFile(dir.filePath("again.mdb"));
    for (const QString &table : CatalogueTableNames()) {
        const QString all = QStringLiteral("SELECT * FROM [%1] ORDER BY rowid").arg(table);
        const QStringList a = QueryRows(*bundled, all), b = QueryRows(*again, all);
        EXPECT_FALSE(a.isEmpty()) << table.toStdString();
        EXPECT_EQ(a, b) << table.toStdString();
    }
}

TEST(CatalogueSources, CheckReportsEveryFaultWithFileAndLine)
{
    QTemporaryDir dir;
    const QDir copy(dir.path());
    copy.mkpath("species");
    for (const QString &name : {QStringLiteral("languages.json"), QStringLiteral("countries.json")})
        QFile::copy(Sources + '/' + name, copy.filePath(name));
    for (const QString &name : QDir(Sources + "/species").entryList(QDir::Files))
        QFile::copy(Sources + "/species/" + name, copy.filePath("species/" + name));

    const struct {
        const char *file, *original, *faulty, *message;
    } faults[] = {
        {"species/001-tectona-grandis.json", "\"Altitude\": [0, 1000]", "\"Altitude\": [1000, 0]", "Altitude minimum 1000 exceeds its maximum 0"},
        {"species/002-acacia-mangium.json", "[1500, 4500]", "[1500, 45000]", "Rainfall 45000 mm is outside any plausible value"},
        {"species/001-tectona-grandis.json", "{\"Synonym\": \"Tectona theka\", ", "{\"Synonym\": \"\", ", "a synonym names no species"},
        {"species/001-tectona-grandis.json", "\"Malay\": [\"jati\"]", "\"Malai\": [\"jati\"]", "common name in an unknown language \"Malai\""},
        {"species/003-leucaena-leucocephala.json", "\"Leucaena leucocephala\"", "\"ACACIA mangium\"", "duplicate name: \"ACACIA mangium\" is also the species of species/002-acacia-mangium.json"},
        {"species/002-acacia-mangium.json", "\"acacia_mangium_1\"", "\"acacia_mangium_9\"", "photograph acacia_mangium_9.jpg is not in"},
        {"species/003-leucaena-leucocephala.json", "\"leucaena_leucocephala_2\"", "\"photos/leucaena_leucocephala_2\"",
         "photograph \"photos/leucaena_leucocephala_2\" is not a plain file name"},
        {"species/004-gliricidia-sepium.json", "\"Uses\": [", "\"Uses\" [", "not valid JSON"},
        {"species/005-falcataria-moluccana.json", "\"SpID\": 5", "\"SpID\": 3000000000", "SpID is not a whole number from 1 to 2147483647"},
        {"countries.json", "\"TH\": ", "\"th\": \"Siam\", \"TH\": ", "duplicate name: country code \"th\" is also \"TH\""},
        {"species/006-azadirachta-indica.json", "\"Temperature\": [21, 32]", "\"Temperature\": [21, 21]", nullptr}, // one value is a range
    };
    QStringList expected;
    for (const auto &f : faults) {
        QFile file(copy.filePath(f.file));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        QByteArray text = file.readAll();
        const qsizetype at = text.indexOf(f.original);
        ASSERT_GE(at, 0) << f.original;
        text.replace(at, qsizetype(strlen(f.original)), f.faulty);
        file.resize(0);
        file.write(text);
        if (f.message)
            expected << QStringLiteral("%1:%2: %3").arg(f.file).arg(text.left(at).count('\n') + 1).arg(f.message);
    }
    QStringList found;
    for (const SourceProblem &p : CheckCatalogueSources(dir.path(), SILVARIA_SOURCE_DIR "/data/SpeciesImage"))
        found << p.text();
    for (const QString &e : expected)
        EXPECT_TRUE(std::any_of(found.begin(), found.end(), [&](const QString &f) { return f.startsWith(e); }))
            << "missing: " << e.toStdString() << "\nfound:\n" << found.join('\n').toStdString();
    EXPECT_EQ(found.size(), expected.size()) << found.join('\n').toStdString();
}

TEST(CatalogueSources, AHybridSignBeforeTheNameStaysOutOfTheFileName)
{
    QTemporaryDir dir;
    WriteFixtureCatalogue(dir.filePath("hybrid.mdb"), "UPDATE Species SET SpeciesName = '× Acacia mangium' WHERE SpID = 1;");
    ExportCatalogueSources(*Connection::OpenFile(dir.filePath("hybrid.mdb")), dir.filePath("sources"));
    const QStringList files = QDir(dir.filePath("sources/species")).entryList({"*acacia-mangium.json"});
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(QRegularExpression("^[0-9]+-acacia-mangium\\.json$").match(files.front()).hasMatch()) << files.front().toStdString();
}
