// The bundled data as users get it: the catalogue keeps its own rules, every Images row has its
// small JPEG and every picture a row, and the map layers are a full point grid
// over the region's countries.
#include "catalogue/modDatabase.h"
#include "mapping/MapLayer.h"
#include "mapping/MapRecordSet.h"
#include "tests/common/FixtureCatalogue.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>

namespace {

const QString Data = QStringLiteral(SILVARIA_SOURCE_DIR "/data/");

} // namespace

TEST(SampleData, CatalogueKeepsItsRules)
{
    // That it is what its sources make is checked where the sources are exported and built again.
    auto committed = Connection::OpenFile(Data + "Database/dbsilvar.mdb");
    EXPECT_GE(QueryRows(*committed, "SELECT COUNT(*) FROM Species").value(0).toInt(), 60);
    // Each statement lists the rows breaking one rule.
    for (const char *offenders : {
             "SELECT SpeciesName FROM Species WHERE FID NOT IN (SELECT FID FROM Family)",
             "SELECT SpeciesName FROM Species WHERE SpID NOT IN (SELECT SpID FROM Vernacular)",
             "SELECT Synonym FROM Synonym WHERE SpID NOT IN (SELECT SpID FROM Species)",
             "SELECT Iso FROM Distribution WHERE Iso NOT IN (SELECT Iso FROM Country) OR Distribution NOT IN (1, 2)",
             "SELECT SpeciesName FROM Species WHERE MinAltitude IS NULL OR MaxRainfall IS NULL OR MaxTemperature IS NULL",
             "SELECT SpeciesName FROM Species WHERE MinAltitude > MaxAltitude OR MinRainfall > MaxRainfall "
             "OR MinTemperature > MaxTemperature OR MinAltitude < 0 OR MaxAltitude > 6000",
             "SELECT Image FROM Images WHERE SpID NOT IN (SELECT SpID FROM Species)",
             "SELECT SpeciesName FROM Species WHERE SpID NOT IN (SELECT SpID FROM AddInfo)",
         })
        EXPECT_EQ(QueryRows(*committed, offenders), QStringList{}) << offenders;
    // Users type Vietnamese names composed; the search finds only what is stored so.
    for (const QString &name : QueryRows(*committed, "SELECT Name FROM Vernacular"))
        EXPECT_EQ(name, name.normalized(QString::NormalizationForm_C));
}

TEST(SampleData, EveryImageRowHasASmallJpegAndEveryPictureARow)
{
    auto db = Connection::OpenFile(Data + "Database/dbsilvar.mdb");
    const QStringList names = QueryRows(*db, "SELECT Image FROM Images");
    ASSERT_FALSE(names.isEmpty());
    for (const QString &name : names) {
        QImageReader reader(Data + "SpeciesImage/" + name + ".jpg");
        EXPECT_LE(QFileInfo(reader.fileName()).size(), 60 * 1024) << name.toStdString();
        EXPECT_EQ(reader.format(), "jpeg") << name.toStdString();
        EXPECT_FALSE(reader.read().isNull()) << name.toStdString();
    }
    const QSet<QString> rows(names.begin(), names.end());
    for (const QString &file : QDir(Data + "SpeciesImage").entryList(QDir::Files))
        EXPECT_TRUE(rows.contains(QFileInfo(file).completeBaseName())) << file.toStdString() << " is in no Images row";
}

TEST(SampleData, MapIsAFullPointGridOverTheCountries)
{
    const auto canvas = MapLayer::fromFile(Data + "ShapeFiles/pasia_canvas.shp");
    const auto countries = MapLayer::fromFile(Data + "ShapeFiles/country_bnd.shp");
    EXPECT_GT(canvas->data()->featureCount(), 80000u);
    // Every point has all three values, inside the data ranges the map window clamps to.
    EXPECT_EQ(canvas->SearchExpression("ALT >= 0 AND ALT <= 6098 AND MAR >= 6 AND MAR <= 8253 AND MAT >= -11.2 AND "
                                       "MAT <= 29.2").count(),
              canvas->data()->featureCount());
    // Bangkok: warm wet lowland, in Thailand, whose feature the point's VALUE names.
    const MapPoint bangkok{100.5, 14.0};
    MapRecordSet point = canvas->searchByDistance(bangkok, 0.1);
    MapRecordSet country = countries->searchShape(bangkok, SearchMethodPointInPolygon);
    ASSERT_FALSE(point.isEOF());
    ASSERT_FALSE(country.isEOF());
    EXPECT_LT(point.value("ALT").toInt(), 100);
    EXPECT_GE(point.value("MAT").toDouble(), 26.0);
    EXPECT_GE(point.value("MAR").toInt(), 1000);
    EXPECT_EQ(country.valueText("NAME"), "Thailand");
    EXPECT_EQ(point.value("VALUE").toLongLong(), qlonglong(country.featureId()) + 1);
}
