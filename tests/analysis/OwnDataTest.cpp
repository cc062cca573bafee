// The user's own data through silvaria-cli. grid build on rasters the test
// writes with GDAL: altitude at the grid's resolution offset by half a cell,
// rainfall finer (averaged; the second of two bands; NaN, undeclared, where it
// has no data), temperature in UTM stored in tenths, coasts where part of a
// cell has data. Values read back with OGR are checked against plain arithmetic
// on the rasters' values and the countries against OGR on the original
// boundaries; the application opens the grid, takes its data ranges and
// classifies on it. catalogue build and export refuse what they cannot do
// and leave the old file.
#include "analysis/MapData.h"
#include "base/ApplicationFolder.h"
#include "cli/CliProgram.h"
#include "mapping/windows/MapControl.h"
#include "mapping/windows/SuitabilityMap.h"
#include "mapping/Classification.h"
#include "mapping/GridDataRanges.h"

#include "tests/common/Files.h"

#include <gtest/gtest.h>

#include <gdal_priv.h>
#include <ogr_spatialref.h>
#include <ogrsf_frmts.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cmath>
#include <map>
#include <sstream>

namespace {

// The grid: 10 x 10 cells of 6 arc minutes over 100..101 E, 10..11 N.
const int N = 10;
double lonOf(int column) { return 100 + (column + 0.5) * 0.1; }
double latOf(int row) { return 11 - (row + 0.5) * 0.1; }
const double UtmOrigin[2] = {600000, 1230000}; // top-left corner of the UTM raster, 15 km pixels (coarser than the grid)

const double NoData = std::nan("");

// `value` (NaN: no data, stored as `fill`) in the last of `bands` bands, 20 in the others.
void writeRaster(const QString &path, int size, const double gt[6], int epsg, GDALDataType type, double (*value)(int, int),
                 int bands = 1, double fill = -9999, bool declared = true)
{
    GDALDriver *gtiff = GetGDALDriverManager()->GetDriverByName("GTiff");
    std::unique_ptr<GDALDataset> ds(gtiff->Create(path.toUtf8().constData(), size, size, bands, type, nullptr));
    ASSERT_TRUE(ds);
    ds->SetGeoTransform(const_cast<double *>(gt));
    OGRSpatialReference srs;
    srs.importFromEPSG(epsg);
    ds->SetSpatialRef(&srs);
    std::vector<double> values;
    for (int r = 0; r < size; ++r)
        for (int c = 0; c < size; ++c)
            values.push_back(std::isnan(value(r, c)) ? fill : value(r, c));
    for (int b = 1; b <= bands; ++b) {
        if (declared)
            ds->GetRasterBand(b)->SetNoDataValue(fill);
        std::vector<double> other(values.size(), 20);
        ASSERT_EQ(ds->GetRasterBand(b)->RasterIO(GF_Write, 0, 0, size, size, (b == bands ? values : other).data(), size, size, GDT_Float64, 0, 0), CE_None);
    }
}

// Altitude: 11 x 11 pixels whose corners are the cells' centres; no data in the north-east corner.
double altAt(int r, int c) { return (r == 0 && c >= 9) || (r == 1 && c == 10) ? NoData : 100 * r + 2 * c; }
// Rainfall: 20 x 20 pixels, four to a cell; in the southern row of cells, column c has c % 5 pixels with data.
double marAt(int r, int c) { return r >= 18 && (r - 18) * 2 + c % 2 >= (c / 2) % 5 ? NoData : 1000 + 10 * r + 2 * c; }
double matTenthsAt(int r, int c) { return 200 + 3 * c + 5 * r; }

// The mean of the pixels with data among the 2 x 2 from (r, c); no data where fewer than half have data.
double blockMean(double (*value)(int, int), int r0, int c0)
{
    double sum = 0;
    int n = 0;
    for (int r = r0; r < r0 + 2; ++r)
        for (int c = c0; c < c0 + 2; ++c)
            if (!std::isnan(value(r, c)))
                sum += value(r, c), ++n;
    return n >= 2 ? sum / n : NoData;
}
double expectedAlt(int r, int c) { return blockMean(altAt, r, c); }
double expectedMar(int r, int c) { return blockMean(marAt, 2 * r, 2 * c); }

// The number of the first feature of a boundary file holding a point, found by OGR (0 in none).
int countryOf(const QString &path, double lon, double lat)
{
    std::unique_ptr<GDALDataset> ds(GDALDataset::Open(path.toUtf8().constData(), GDAL_OF_VECTOR));
    const OGRPoint point(lon, lat);
    int number = 0;
    for (auto &f : *ds->GetLayer(0))
        if (++number, f->GetGeometryRef()->Contains(&point))
            return number;
    return 0;
}

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
        const double offset[6] = {99.95, 0.1, 0, 11.05, 0, -0.1}, fine[6] = {100, 0.05, 0, 11, 0, -0.05},
                     utm[6] = {UtmOrigin[0], 15000, 0, UtmOrigin[1], 0, -15000};
        writeRaster(file("alt.tif"), N + 1, offset, 4326, GDT_Int16, altAt);
        writeRaster(file("mar.tif"), 2 * N, fine, 4326, GDT_Float32, marAt, 2, NoData, false); // NaN, undeclared
        writeRaster(file("mat.tif"), 12, utm, 32647, GDT_Int16, matTenthsAt);
        // Westland with a bump narrower than half a cell holding a point; Overland
        // overlapping it; Islandia touching the extent's edge from outside.
        ASSERT_TRUE(WriteFile(file("countries.geojson"), R"({"type":"FeatureCollection","features":[{"type":"Feature","properties":{"nm":"Westland"},)"
                        R"("geometry":{"type":"Polygon","coordinates":[[[99,9],[100.53,9],[100.53,10.52],[100.57,10.52],[100.57,10.58],[100.53,10.58],[100.53,12],[99,12],[99,9]]]}},)"
                        R"({"type":"Feature","properties":{"nm":"Overland"},"geometry":{"type":"Polygon","coordinates":[[[100.3,10.6],[101,10.6],[101,12],[100.3,12],[100.3,10.6]]]}},)"
                        R"({"type":"Feature","properties":{"nm":"Islandia"},"geometry":{"type":"MultiPolygon","coordinates":[[[[100.7,10.1],[100.9,10.1],[100.9,10.3],[100.7,10.3],[100.7,10.1]]],)"
                        R"([[[101,10.2],[101.5,10.2],[101.5,10.8],[101,10.8],[101,10.2]]]]}}]})"));
    }
    QString file(const QString &name) const { return dir.filePath(name); }
    int build(const QStringList &extra, QString *err = nullptr, bool countries = true)
    {
        const QStringList boundaries{"--countries", file("countries.geojson"), "--name-field", "nm"};
        std::ostringstream out, error;
        const int code = RunCli(QStringList{"grid", "build", "--alt", file("alt.tif"), "--mar", file("mar.tif"), "--mar-band", "2", "--mat",
                                            file("mat.tif"), "--extent", "100,10,101,11", "--step", "6", "-o", file("ShapeFiles")}
                                    + (countries ? boundaries : QStringList()) + extra,
                                {out, error});
        if (err)
            *err = QString::fromStdString(error.str());
        return code;
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
    std::unique_ptr<GDALDataset> countries(GDALDataset::Open(file("ShapeFiles/country_bnd.shp").toUtf8().constData(), GDAL_OF_VECTOR));
    EXPECT_STREQ(OGRFeatureUniquePtr(countries->GetLayer(0)->GetNextFeature())->GetFieldAsString(0), "Westland");
    std::unique_ptr<GDALDataset> ds(GDALDataset::Open(file("ShapeFiles/pasia_canvas.shp").toUtf8().constData(), GDAL_OF_VECTOR));
    ASSERT_TRUE(ds);
    std::map<std::pair<int, int>, OGRFeature *> byCell;
    std::vector<OGRFeatureUniquePtr> features;
    for (auto &f : *ds->GetLayer(0)) {
        const OGRPoint *p = f->GetGeometryRef()->toPoint();
        byCell[{int(std::floor((11 - p->getY()) / 0.1)), int(std::floor((p->getX() - 100) / 0.1))}] = f.get();
        features.push_back(std::move(f));
    }
    std::size_t land = 0;
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < N; ++c)
            land += !std::isnan(expectedAlt(r, c) + expectedMar(r, c));
    EXPECT_EQ(byCell.size(), land) << "a cell is land where at least half of it has data";
    for (const auto &[cell, f] : byCell) {
        const auto [r, c] = cell;
        SCOPED_TRACE(testing::Message() << "row " << r << ", column " << c);
        ASSERT_FALSE(std::isnan(expectedAlt(r, c) + expectedMar(r, c)));
        EXPECT_NEAR(f->GetGeometryRef()->toPoint()->getX(), lonOf(c), 1e-9);
        EXPECT_NEAR(f->GetGeometryRef()->toPoint()->getY(), latOf(r), 1e-9);
        EXPECT_EQ(f->GetFieldAsInteger("ALT"), std::lround(expectedAlt(r, c)));
        EXPECT_EQ(f->GetFieldAsInteger("MAR"), std::lround(expectedMar(r, c)));
        EXPECT_NEAR(f->GetFieldAsDouble("MAT"), matAt(lonOf(c), latOf(r)), 1e-9);
        EXPECT_EQ(f->GetFieldAsInteger("VALUE"), countryOf(file("countries.geojson"), lonOf(c), latOf(r)));
    }
}

TEST_F(GridBuild, WithoutNewBoundariesTheOldOnesStayAndNumberThePoints)
{
    ASSERT_EQ(build({"--mat-scale", "0.1"}), 0);
    const QByteArray before = ReadFile(file("ShapeFiles/country_bnd.shp")), points = ReadFile(file("ShapeFiles/pasia_canvas.dbf"));
    ASSERT_TRUE(WriteFile(file("ShapeFiles/country_bnd.qix"), "an index of these boundaries"));
    ASSERT_EQ(build({"--mat-scale", "0.1"}, nullptr, false), 0);
    EXPECT_EQ(ReadFile(file("ShapeFiles/country_bnd.shp")), before);
    EXPECT_EQ(ReadFile(file("ShapeFiles/pasia_canvas.dbf")), points) << "the points numbered as by the new boundaries";
    EXPECT_TRUE(QFileInfo::exists(file("ShapeFiles/country_bnd.qix"))) << "kept with its boundaries";
    ASSERT_EQ(build({"--mat-scale", "0.1"}), 0);
    EXPECT_FALSE(QFileInfo::exists(file("ShapeFiles/country_bnd.qix"))) << "no index of the old boundaries beside new ones";
}

TEST_F(GridBuild, TheApplicationClampsToTheGridsRangesAndClassifies)
{
    ASSERT_EQ(build({"--mat-scale", "0.1"}), 0);
    const MapData maps = MapData::load(file("ShapeFiles"));
    long highest = 0;
    int expected = 0;
    for (int r = 0; r < N; ++r)
        for (int c = 0; c < N; ++c) {
            const double alt = expectedAlt(r, c), mar = expectedMar(r, c), mat = std::round(matAt(lonOf(c), latOf(r)) * 10) / 10;
            if (std::isnan(alt + mar))
                continue;
            highest = std::max(highest, std::lround(alt));
            expected += std::lround(mar) <= 1100 && mat >= 20 && mat <= 23;
        }
    EXPECT_EQ(DataRangeOf(Altitude).upper, highest) << "the highest altitude of the grid";
    EXPECT_EQ(DataRangeOf(Rainfall).lower, 1006);
    Bounds bounds;
    const double ranges[3][2] = {{0, 5000}, {1000, 1100}, {20, 23}};
    for (int c = 0; c < 3; ++c) {
        bounds.min[c] = Bound::fromNumber(ranges[c][0]);
        bounds.max[c] = Bound::fromNumber(ranges[c][1]);
    }
    ClampRanges(bounds);
    EXPECT_EQ(bounds.max[Altitude].number, highest);
    EXPECT_EQ(bounds.min[Rainfall].number, 1006);
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
    EXPECT_EQ(DataRangeOf(Altitude).upper, highest);
    SetApplicationFolder(before);
    SetGridDataRanges(std::nullopt);
}

TEST_F(GridBuild, LargeGridsAndTheSmallestStepAreWritten)
{
    // 40,000 points fill the writer's window more than once.
    QString progress;
    ASSERT_EQ(build({"--mat-scale", "0.1", "--step", "0.3"}, &progress), 0);
    EXPECT_LE(progress.count(": sampled "), 11) << "a line a tenth of the sampling";
    std::unique_ptr<GDALDataset> ds(GDALDataset::Open(file("ShapeFiles/pasia_canvas.shp").toUtf8().constData(), GDAL_OF_VECTOR));
    int land = 0; // cells whose centre lies in pixels with data (the rasters are coarser than this grid)
    for (int r = 0; r < 200; ++r)
        for (int c = 0; c < 200; ++c)
            land += !std::isnan(altAt((r + 10) / 20, (c + 10) / 20) + marAt(r / 10, c / 10));
    EXPECT_EQ(ds->GetLayer(0)->GetFeatureCount(), land);
    EXPECT_EQ(build({"--mat-scale", "0.1", "--step", "0.01", "--extent", "100,10.5,100.01,10.51"}), 0);
}

TEST_F(GridBuild, RefusesWhatWouldBeWrongAndKeepsTheOldGridAndTheUsersFolders)
{
    for (const char *mine : {"ShapeFiles.old/sub", "ShapeFiles.part/sub"})
        ASSERT_TRUE(QDir(dir.path()).mkpath(mine) && WriteFile(file(mine) + "/mine.txt", "mine"));
    const double offset[6] = {99.95, 0.1, 0, 11.05, 0, -0.1};
    for (const double fill : {-9999.0, -32768.0, -3.4e38})
        writeRaster(file(QStringLiteral("fill%1.tif").arg(fill)), N + 1, offset, 4326, GDT_Float32, altAt, 1, fill, false);
    ASSERT_EQ(build({"--mat-scale", "0.1"}), 0);
    const QByteArray before = ReadFile(file("ShapeFiles/pasia_canvas.dbf"));
    const struct {
        const char *name;
        QStringList extra;
        const char *message;
    } cases[] = {
        {"past the format's limit", {"--mat-scale", "0.1", "--extent=-180,-80,180,80", "--step", "0.2"}, "shapefile format's limit"},
        {"several bands, none named", {"--mat-scale", "0.1", "--alt", file("mar.tif")}, "has 2 bands; name the one to read with --alt-band N"},
        {"undeclared -9999", {"--mat-scale", "0.1", "--alt", file("fill-9999.tif")}, "holds the value -9999, a common fill"},
        {"undeclared -32768", {"--mat-scale", "0.1", "--alt", file("fill-32768.tif")}, "--alt-nodata=-32768 (nothing was written)"},
        {"undeclared -3.4e38", {"--mat-scale", "0.1", "--alt", file("fill-3.4e+38.tif")}, "--alt-nodata=-3.4e+38"},
    };
    for (const auto &c : cases) {
        QString err;
        EXPECT_EQ(build(c.extra, &err), 2) << c.name;
        EXPECT_TRUE(err.contains(QString::fromUtf8(c.message))) << c.name << ": " << err.toStdString();
        EXPECT_EQ(ReadFile(file("ShapeFiles/pasia_canvas.dbf")), before) << c.name;
    }
    ASSERT_EQ(build({"--mat-scale", "0.1", "--alt", file("fill-3.4e+38.tif"), "--alt-nodata=-3.4e+38"}), 0);
    EXPECT_EQ(ReadFile(file("ShapeFiles/pasia_canvas.dbf")), before) << "the fill declared";
    for (const char *mine : {"ShapeFiles.old/sub", "ShapeFiles.part/sub"})
        EXPECT_EQ(ReadFile(file(mine) + "/mine.txt"), "mine") << mine;
    EXPECT_EQ(QDir(dir.path()).entryList({"ShapeFiles*"}), QStringList({"ShapeFiles", "ShapeFiles.old", "ShapeFiles.part"}))
        << "nothing left behind";
}

TEST_F(GridBuild, ALinkedFolderIsReplacedBehindItsLink)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath("real") && WriteFile(file("real/notes.txt"), "mine"));
    ASSERT_TRUE(QFile::link(file("real"), file("ShapeFiles")));
    ASSERT_EQ(build({"--mat-scale", "0.1"}), 0);
    EXPECT_TRUE(QFileInfo(file("ShapeFiles")).isSymLink());
    EXPECT_EQ(ReadFile(file("real/notes.txt")), "mine");
    EXPECT_TRUE(QFileInfo::exists(file("real/pasia_canvas.shp")));
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
