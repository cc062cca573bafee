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

TEST(CatalogueSources, SignsAroundTheNameStayOutOfTheFileName)
{
    QTemporaryDir dir;
    WriteFixtureCatalogue(dir.filePath("hybrid.mdb"), "UPDATE Species SET SpeciesName = '× Acacia mangium (cv.)' WHERE SpID = 1;");
    ExportCatalogueSources(*Connection::OpenFile(dir.filePath("hybrid.mdb")), dir.filePath("sources"));
    const QStringList files = QDir(dir.filePath("sources/species")).entryList({"*acacia-mangium*.json"});
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(QRegularExpression("^[0-9]+-acacia-mangium-cv\\.json$").match(files.front()).hasMatch()) << files.front().toStdString();
}
