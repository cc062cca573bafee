// The user's own data through silvaria-cli. grid build on rasters the test writes with GDAL: altitude at the
// grid's resolution, rainfall finer (averaged), temperature in UTM stored in
// tenths. Values read back with OGR are checked against the rasters read
// independently; the application opens the grid, takes its data ranges and
// classifies on it. catalogue build and export refuse what they cannot do
// and leave the old file.
#include "analysis/MapData.h"
#include "base/ApplicationFolder.h"
#include "mapping/MapControl.h"
#include "mapping/SuitabilityMap.h"
#include "mapping/Classification.h"
#include "mapping/GridDataRanges.h"

#include "tests/common/Files.h"

#include <gtest/gtest.h>

#include <gdal_priv.h>
#include <ogr_spatialref.h>
#include <ogrsf_frmts.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>
#include <map>

namespace {

// The grid: 10 x 10 cells of 6 arc minutes over 100..101 E, 10..11 N.
const int N = 10;
double lonOf(int column) { return 100 + (column + 0.5) * 0.1; }
double latOf(int row) { return 11 - (row + 0.5) * 0.1; }
const double UtmOrigin[2] = {600000, 1230000}; // top-left corner of the UTM raster, 15 km pixels (coarser than the grid)

void writeRaster(const QString &path, int size, const double gt[6], int epsg, GDALDataType type, double (*value)(int, int))
{
    GDALDriver *gtiff = GetGDALDriverManager()->GetDriverByName("GTiff");
    std::unique_ptr<GDALDataset> ds(gtiff->Create(path.toUtf8().constData(), size, size, 1, type, nullptr));
    ASSERT_TRUE(ds);
    ds->SetGeoTransform(const_cast<double *>(gt));
    OGRSpatialReference srs;
    srs.importFromEPSG(epsg);
    ds->SetSpatialRef(&srs);
    ds->GetRasterBand(1)->SetNoDataValue(-9999);
    std::vector<double> values;
    for (int r = 0; r < size; ++r)
        for (int c = 0; c < size; ++c)
            values.push_back(value(r, c));
    ASSERT_EQ(ds->GetRasterBand(1)->RasterIO(GF_Write, 0, 0, size, size, values.data(), size, size, GDT_Float64, 0, 0), CE_None);
}

double altAt(int r, int c) { return r == 0 && c == 9 ? -9999 : 100 * r + c; }
double marAt(int r, int c) { return 1000 + 10 * r + 2 * c; }
double matTenthsAt(int r, int c) { return 200 + 3 * c + 5 * r; }

// Field name, type, width and precision of a shapefile's fields, read by OGR.
QStringList fieldsOf(const QString &path)
{
    std::unique_ptr<GDALDataset> ds(GDALDataset::Open(path.toUtf8().constData(), GDAL_OF_VECTOR));
    QStringList fields;
    OGRFeatureDefn *defn = ds->GetLayer(0)->GetLayerDefn();
    for (int i = 0; i < defn->GetFieldCount(); ++i) {
        const OGRFieldDefn *f = defn->GetFieldDefn(i);
        fields << QStringLiteral("%1 %2 %3.%4").arg(f->GetNameRef(), OGRFieldDefn::GetFieldTypeName(f->GetType())).arg(f->GetWidth()).arg(f->GetPrecision());
    }
    return fields;
}

class GridBuild : public ::testing::Test {
protected:
    void SetUp() override
    {
        GDALAllRegister();
        const double geo[6] = {100, 0.1, 0, 11, 0, -0.1}, fine[6] = {100, 0.05, 0, 11, 0, -0.05},
                     utm[6] = {UtmOrigin[0], 15000, 0, UtmOrigin[1], 0, -15000};
        writeRaster(file("alt.tif"), N, geo, 4326, GDT_Int16, altAt);
        writeRaster(file("mar.tif"), 2 * N, fine, 4326, GDT_Float32, marAt);
        writeRaster(file("mat.tif"), 12, utm, 32647, GDT_Int16, matTenthsAt);
        ASSERT_TRUE(WriteFile(file("countries.geojson"), R"({"type":"FeatureCollection","features":[{"type":"Feature","properties":{"nm":"Westland"},)"
                        R"("geometry":{"type":"Polygon","coordinates":[[[99,9],[100.5,9],[100.5,12],[99,12],[99,9]]]}}]})"));
    }
    QString file(const QString &name) const { return dir.filePath(name); }
    int build(const QStringList &extra, QString *err = nullptr, bool countries = true)
    {
        QProcess process;
        const QStringList boundaries{"--countries", file("countries.geojson"), "--name-field", "nm"};
        process.start(QStringLiteral(SILVARIA_BINARY_DIR "/bin/silvaria-cli"),
                      QStringList{"grid", "build", "--alt", file("alt.tif"), "--mar", file("mar.tif"), "--mat", file("mat.tif"),
                                  "--extent", "100,10,101,11", "--step", "6", "-o", file("ShapeFiles")}
                          + (countries ? boundaries : QStringList()) + extra);
        process.waitForFinished(60000);
        if (err)
            *err = QString::fromUtf8(process.readAllStandardError());
        return process.exitCode();
    }
    // The temperature raster's value at a point, found through OGR's own transformation.
    static double matAt(double lon, double lat)
    {
        OGRSpatialReference wgs, utm;
        wgs.importFromEPSG(4326);
        wgs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
        utm.importFromEPSG(32647);
        std::unique_ptr<OGRCoordinateTransformation> t(OGRCreateCoordinateTransformation(&wgs, &utm));
        double x = lon, y = lat;
        t->Transform(1, &x, &y);
        return matTenthsAt(int(std::floor((UtmOrigin[1] - y) / 15000)), int(std::floor((x - UtmOrigin[0]) / 15000))) * 0.1;
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(GridBuild, ValuesAtEveryCellMatchTheRasters)
{
    ASSERT_EQ(build({"--mat-scale", "0.1"}), 0);
    EXPECT_EQ(fieldsOf(file("ShapeFiles/pasia_canvas.shp")), fieldsOf(SILVARIA_SOURCE_DIR "/data/ShapeFiles/pasia_canvas.shp"));
    std::unique_ptr<GDALDataset> ds(GDALDataset::Open(file("ShapeFiles/pasia_canvas.shp").toUtf8().constData(), GDAL_OF_VECTOR));
    ASSERT_TRUE(ds);
    std::map<std::pair<int, int>, OGRFeature *> byCell;
    std::vector<OGRFeatureUniquePtr> features;
    for (auto &f : *ds->GetLayer(0)) {
        const OGRPoint *p = f->GetGeometryRef()->toPoint();
        byCell[{int(std::floor((11 - p->getY()) / 0.1)), int(std::floor((p->getX() - 100) / 0.1))}] = f.get();
        features.push_back(std::move(f));
    }
    EXPECT_EQ(byCell.size(), std::size_t(N * N - 1)) << "the cell without altitude is sea";
    EXPECT_EQ(byCell.count({0, 9}), 0u);
    for (const auto &[cell, f] : byCell) {
        const auto [r, c] = cell;
        SCOPED_TRACE(testing::Message() << "row " << r << ", column " << c);
        EXPECT_NEAR(f->GetGeometryRef()->toPoint()->getX(), lonOf(c), 1e-9);
        EXPECT_NEAR(f->GetGeometryRef()->toPoint()->getY(), latOf(r), 1e-9);
        EXPECT_EQ(f->GetFieldAsInteger("ALT"), altAt(r, c));
        EXPECT_EQ(f->GetFieldAsInteger("MAR"), (marAt(2 * r, 2 * c) + marAt(2 * r, 2 * c + 1) + marAt(2 * r + 1, 2 * c) + marAt(2 * r + 1, 2 * c + 1)) / 4);
        EXPECT_NEAR(f->GetFieldAsDouble("MAT"), matAt(lonOf(c), latOf(r)), 1e-9);
        EXPECT_EQ(f->GetFieldAsInteger("VALUE"), lonOf(c) < 100.5 ? 1 : 0);
    }
}

TEST_F(GridBuild, WithoutNewBoundariesTheOldOnesStayAndNumberThePoints)
{
    ASSERT_EQ(build({"--mat-scale", "0.1"}), 0);
    const QByteArray before = ReadFile(file("ShapeFiles/country_bnd.shp"));
    ASSERT_EQ(build({"--mat-scale", "0.1"}, nullptr, false), 0);
    EXPECT_EQ(ReadFile(file("ShapeFiles/country_bnd.shp")), before);
    std::unique_ptr<GDALDataset> ds(GDALDataset::Open(file("ShapeFiles/pasia_canvas.shp").toUtf8().constData(), GDAL_OF_VECTOR));
    OGRLayer *west = ds->ExecuteSQL("SELECT * FROM pasia_canvas WHERE VALUE = 1", nullptr, nullptr);
    EXPECT_EQ(west->GetFeatureCount(), 5 * N) << "the western half of the grid";
    ds->ReleaseResultSet(west);
}

TEST_F(GridBuild, TheApplicationClampsToTheGridsRangesAndClassifies)
{
    ASSERT_EQ(build({"--mat-scale", "0.1"}), 0);
    const MapData maps = MapData::load(file("ShapeFiles"));
    EXPECT_EQ(DataRangeOf(Altitude).upper, 909) << "the highest altitude of the grid";
    EXPECT_EQ(DataRangeOf(Rainfall).lower, 1006);
    Bounds bounds;
    const double ranges[3][2] = {{0, 5000}, {1000, 1100}, {20, 23}};
    for (int c = 0; c < 3; ++c) {
        bounds.min[c] = Bound::fromNumber(ranges[c][0]);
        bounds.max[c] = Bound::fromNumber(ranges[c][1]);
    }
    ClampRanges(bounds);
    EXPECT_EQ(bounds.max[Altitude].number, 909);
    EXPECT_EQ(bounds.min[Rainfall].number, 1006);
    int expected = 0;
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < N; ++c) {
            const double mar = 1006 + 20 * r + 4 * c, mat = std::round(matAt(lonOf(c), latOf(r)) * 10) / 10;
            expected += altAt(r, c) >= 0 && mar <= 1100 && mat >= 20 && mat <= 23;
        }
    ASSERT_GT(expected, 0);
    EXPECT_EQ(int(maps.canvas->SearchExpression(BuildClassFilters(bounds).species).count()), expected);
    SetGridDataRanges(std::nullopt);
    EXPECT_EQ(DataRangeOf(Altitude).upper, 6098) << "without a description the fixed ranges hold";

    // The map windows load their layers, and the ranges with them, the same way.
    const QString before = ApplicationFolder();
    SetApplicationFolder(dir.path());
    MapControl map;
    LoadMapLayers(&map);
    EXPECT_EQ(map.layers().count(), 2);
    EXPECT_EQ(DataRangeOf(Altitude).upper, 909);
    SetApplicationFolder(before);
    SetGridDataRanges(std::nullopt);
}

TEST_F(GridBuild, LargeGridsAndTheSmallestStepAreWritten)
{
    // 40,000 points fill the writer's window more than once.
    ASSERT_EQ(build({"--mat-scale", "0.1", "--step", "0.3"}), 0);
    std::unique_ptr<GDALDataset> ds(GDALDataset::Open(file("ShapeFiles/pasia_canvas.shp").toUtf8().constData(), GDAL_OF_VECTOR));
    EXPECT_EQ(ds->GetLayer(0)->GetFeatureCount(), 200 * 200 - 20 * 20) << "all but the cell without altitude";
    EXPECT_EQ(build({"--mat-scale", "0.1", "--step", "0.01", "--extent", "100,10,100.01,10.01"}), 0);
}

TEST_F(GridBuild, RefusesWhatWouldBeWrongAndKeepsTheOldGrid)
{
    ASSERT_EQ(build({"--mat-scale", "0.1"}), 0);
    const QByteArray before = ReadFile(file("ShapeFiles/pasia_canvas.dbf"));
    const struct {
        const char *name;
        QStringList extra;
        const char *message;
    } cases[] = {
        {"tenths taken as degrees", {}, "is not in \u00b0C"},
        {"rainfall below 0", {"--mat-scale", "0.1", "--mar-scale", "-1"}, "is below 0"},
        {"past the format's limit", {"--mat-scale", "0.1", "--extent=-180,-80,180,80", "--step", "0.2"}, "shapefile format's limit"},
        {"no such name field", {"--mat-scale", "0.1", "--name-field", "NAME"}, "no field \"NAME\""},
    };
    for (const auto &c : cases) {
        QString err;
        EXPECT_EQ(build(c.extra, &err), 2) << c.name;
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.message))) << c.name << ": " << err.toStdString();
        EXPECT_EQ(ReadFile(file("ShapeFiles/pasia_canvas.dbf")), before) << c.name;
    }
}

TEST(GridDataRanges, OnlyACompleteWellFormedSetReplacesTheFixedRanges)
{
    const struct {
        const char *name, *text;
        bool taken;
    } cases[] = {
        {"all three", "data range ALT = -5 to 10\ndata range MAR = 1 to 2\ndata range MAT = -1.5 to 3\n", true},
        {"one missing", "data range ALT = -5 to 10\ndata range MAR = 1 to 2\n", false},
        {"any order, a range of one value", "data range MAR = 1 to 2\ndata range MAT = -1.5 to 3\ndata range ALT = -5 to -5\n", true},
        {"the first missing", "data range MAR = 1 to 2\ndata range MAT = 1 to 3\n", false},
        {"lower above upper", "data range ALT = 10 to -5\ndata range MAR = 1 to 2\ndata range MAT = 1 to 3\n", false},
        {"not a number", "data range ALT = low to 10\ndata range MAR = 1 to 2\ndata range MAT = 1 to 3\n", false},
    };
    for (const auto &c : cases) {
        const auto ranges = ParseGridRanges(QString::fromLatin1(c.text));
        EXPECT_EQ(ranges.has_value(), c.taken) << c.name;
        if (ranges)
            EXPECT_EQ(ParseGridRanges(GridRangesText(*ranges))->lower[Altitude], -5) << "written and read again";
    }
}

TEST(CatalogueCommand, RefusesAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(WriteFile(dir.filePath("old.mdb"), "the old file"));
    QDir(dir.path()).mkpath("bad/species");
    ASSERT_TRUE(WriteFile(dir.filePath("bad/species/1.json"),
                          "{\"SpID\": 1, \"SpeciesName\": \"A b\", \"Ranges\": {\"Altitude\": [900, 100]}}"));
    const struct {
        const char *name;
        QStringList arguments;
        const char *message;
    } cases[] = {
        {"faulty sources", {"catalogue", "build", dir.filePath("bad"), "-o", dir.filePath("old.mdb")},
         "species/1.json:1: Altitude minimum 900 exceeds its maximum 100"},
        {"not a catalogue", {"catalogue", "export", dir.filePath("old.mdb"), "-o", dir.filePath("out")}, "old.mdb"},
    };
    for (const auto &c : cases) {
        QProcess process;
        process.start(QStringLiteral(SILVARIA_BINARY_DIR "/bin/silvaria-cli"), c.arguments);
        process.waitForFinished(60000);
        EXPECT_EQ(process.exitCode(), 2) << c.name;
        EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains(QString::fromUtf8(c.message))) << c.name;
        EXPECT_EQ(ReadFile(dir.filePath("old.mdb")), "the old file") << c.name;
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("out")));
}
