// silvaria-cli as a script sees it: exit codes, messages, formats and GIS
// files on a fixture application folder (the fixture catalogue beside the
// bundled maps), run in-process; a few runs of the program itself show it is
// the same run on the process's streams.
#include "analysis/ClimateShift.h"
#include "analysis/GridClimate.h"
#include "analysis/MapData.h"
#include "analysis/SuitabilityClasses.h"
#include "base/ApplicationFolder.h"
#include "catalogue/modDatabase.h"
#include "cli/CliProgram.h"
#include "mapping/GridDataRanges.h"
#include "mapping/MapSources.h"
#include "tests/common/FileSizeLimit.h"
#include "tests/common/Files.h"
#include "tests/common/FixtureCatalogue.h"

#include <gtest/gtest.h>

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <sstream>

namespace {

struct CliRun {
    int code = -1;
    QString out, err;
};

class Cli : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(dir.path()).mkpath("Database");
        // Two species share a synonym, so the name is ambiguous.
        WriteFixtureCatalogue(dir.filePath("Database/dbsilvar.mdb"),
                              QStringLiteral("INSERT INTO Synonym VALUES (1, 'Ambigua nomen', 'Ambigua', ''), "
                                             "(2, 'Ambigua nomen', 'Ambigua', '');"));
        QFile::link(QStringLiteral(SILVARIA_SOURCE_DIR "/data/ShapeFiles"), dir.filePath("ShapeFiles"));
    }
    QStringList onFixture(QStringList arguments) const
    {
        if (!arguments.isEmpty() && !arguments.contains("--app-folder"))
            arguments << "--app-folder" << dir.path();
        return arguments;
    }
    CliRun run(const QStringList &arguments) const
    {
        std::ostringstream out, err;
        const int code = RunCli(onFixture(arguments), {out, err});
        return {code, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
    }
    CliRun runProgram(const QStringList &arguments) const
    {
        QProcess process;
        process.start(QStringLiteral(SILVARIA_BINARY_DIR "/bin/silvaria-cli"), onFixture(arguments));
        process.waitForFinished(60000);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    QString file(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(Cli, TheProgramIsTheInProcessRunOnItsStreams)
{
    QDir(dir.path()).mkpath("taken.png");
    const struct {
        QStringList arguments;
        int code;
    } cases[] = {
        {{}, 1},
        {{"area", "Nullus"}, 2},
        {{"sheet", "1"}, 0},
        {{"map", "1", "-o", file("taken.png")}, 3},
    };
    for (const auto &c : cases) {
        const CliRun program = runProgram(c.arguments), inProcess = run(c.arguments);
        const std::string name = c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(program.code, c.code) << name << ": " << program.err.toStdString();
        EXPECT_EQ(inProcess.code, c.code) << name;
        EXPECT_EQ(program.out.toStdString(), inProcess.out.toStdString()) << name;
        EXPECT_EQ(program.err.toStdString(), inProcess.err.toStdString()) << name;
        EXPECT_FALSE((c.code ? program.err : program.out).isEmpty()) << name;
    }
}

TEST_F(Cli, ARunStartsFreshAndGivesTheCallersStateBack)
{
    const FixtureApplication caller;
    const GridRanges callersRanges{{-1, -1, -1}, {1, 1, 1}};
    SetGridDataRanges(callersRanges);
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"sheet", "1"}, {out, err}), 2) << "the program's own folder holds no catalogue";
    EXPECT_EQ(run({"map", "1", "-o", file("m.png")}).code, 0);
    EXPECT_EQ(ApplicationFolder(), caller.folder());
    EXPECT_EQ(CatalogueConnection().filePath(), caller.folder() + "/Database/dbsilvar.mdb");
    EXPECT_EQ(ActiveGridRanges(), callersRanges);
    SetGridDataRanges(std::nullopt);
}

TEST_F(Cli, AGridBuiltIntoAFolderKeepsTheSourcesOfTheLayersItKeeps)
{
    QDir(dir.path()).mkpath("own");
    ASSERT_TRUE(WriteFile(file("own/places.idx"), "kept") &&
                WriteFile(file("own/sources.txt"), "places = GeoNames (CC BY 4.0)\nterms = of the old climate\ngone = no files\n"));
    const QString src = SILVARIA_SOURCE_DIR "/tests/cli/transcript/";
    ASSERT_EQ(run({"grid", "build", "--alt", src + "alt.asc", "--mar", src + "mar.asc", "--mat", src + "mat.asc", "--extent",
                   "100,10,103,12", "--step", "15", "-o", file("own")}).code, 0);
    const QMap<QString, QString> sources = ReadLayerSources(file("own"));
    EXPECT_EQ(sources.value("places"), "GeoNames (CC BY 4.0)");
    EXPECT_FALSE(sources.contains("terms") || sources.contains("gone"));
    EXPECT_EQ(ReadFile(file("own/places.idx")), "kept");
}

TEST_F(Cli, JsonRowsAddUp)
{
    const CliRun json = run({"area", "2", "--by-country", "--format", "json"});
    const QJsonArray rows = QJsonDocument::fromJson(json.out.toUtf8()).array();
    ASSERT_GT(rows.size(), 2);
    double sum = 0;
    for (int i = 0; i + 1 < rows.size(); ++i)
        sum += rows[i].toObject().value("Full km2").toDouble();
    EXPECT_EQ(rows.last().toObject().value("Country").toString(), "total");
    EXPECT_NEAR(sum, rows.last().toObject().value("Full km2").toDouble(), double(rows.size()));
}

// The GIS files of map, count, shift and area, opened with GDAL/OGR and
// compared with the program's own rows and with the classes recomputed.

GDALDatasetUniquePtr openGis(const QString &path)
{
    GDALDatasetUniquePtr file(GDALDataset::Open(path.toUtf8().constData(), GDAL_OF_RASTER | GDAL_OF_VECTOR | GDAL_OF_READONLY));
    EXPECT_TRUE(file) << path.toStdString();
    return file;
}

// Numbers and names of the grid points, in the grid's order.
struct Numbered {
    std::vector<int> values;
    QStringList names;
};

// A map file's number and name for each grid point, with the grid's source
// in its stamp: the pixel at the point's position in a GeoTIFF (on the
// grid's lattice of 1/12 degree from 89 E, 31 N, in EPSG:4326, no data where
// no point lies), or the point's feature in a GeoPackage (with its ALT, MAR, MAT).
Numbered pointValues(const QString &path, const ShapeLayer &grid)
{
    Numbered read;
    const GDALDatasetUniquePtr file = openGis(path);
    if (!file)
        return read;
    OGRLayer *layer = file->GetLayer(0);
    GDALMajorObject *stamped = layer ? static_cast<GDALMajorObject *>(layer) : file.get();
    EXPECT_EQ(QString::fromUtf8(stamped->GetMetadataItem("Grid")), ReadLayerSources(SILVARIA_SOURCE_DIR "/data/ShapeFiles")["pasia_canvas"]);
    if (layer) {
        const GridClimate climate = GridClimate::read(grid);
        EXPECT_EQ(layer->GetFeatureCount(), grid.featureCount());
        int moved = 0;
        for (const auto &f : *layer) {
            const auto p = std::size_t(f->GetFID() - 1);
            moved += !f->GetGeometryRef()->Equals(std::make_unique<OGRPoint>(grid.xs()[p], grid.ys()[p]).get());
            for (int c = 0; c < 3; ++c)
                moved += f->GetFieldAsDouble(DataRangeOf(Criterion(c)).field) != climate.engine[c][p];
            read.values.push_back(f->GetFieldAsInteger(0));
            read.names << QString::fromUtf8(f->GetFieldAsString("class_name"));
        }
        EXPECT_EQ(moved, 0) << "positions and ALT, MAR, MAT as the grid holds them";
        return read;
    }
    double frame[6];
    file->GetGeoTransform(frame);
    const double step = 1 / 12.0, expected[6] = {89 - step / 2, step, 0, 31 + step / 2, 0, -step};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(frame[i], expected[i], 1e-12) << "geotransform " << i;
    EXPECT_STREQ(file->GetSpatialRef()->GetAuthorityCode(nullptr), "4326");
    const int w = file->GetRasterXSize(), h = file->GetRasterYSize();
    GDALRasterBand *band = file->GetRasterBand(1);
    std::vector<int> pixels(std::size_t(w) * h);
    EXPECT_EQ(band->RasterIO(GF_Read, 0, 0, w, h, pixels.data(), w, h, GDT_Int32, 0, 0), CE_None);
    const int sea = int(band->GetNoDataValue());
    EXPECT_EQ(std::count_if(pixels.begin(), pixels.end(), [sea](int v) { return v != sea; }), grid.featureCount());
    const CPLStringList names(band->GetCategoryNames(), FALSE);
    for (std::uint32_t p = 0; p < grid.featureCount(); ++p) {
        const auto column = std::size_t((grid.xs()[p] - frame[0]) / frame[1]), row = std::size_t((grid.ys()[p] - frame[3]) / frame[5]);
        read.values.push_back(column < std::size_t(w) && row < std::size_t(h) ? pixels[row * w + column] : -1);
        read.names << QString::fromUtf8(names[read.values.back()]);
    }
    return read;
}

// Points in classes, a point taking the last class holding it (1 for the
// first, 0 "no class" for none).
Numbered numbered(const std::vector<std::vector<std::uint32_t>> &classes, const QStringList &names, std::size_t points)
{
    Numbered n{std::vector<int>(points, 0), QStringList(points, names[0])};
    for (std::size_t k = 0; k < classes.size(); ++k)
        for (std::uint32_t p : classes[k])
            n.values[p] = int(k + 1), n.names[p] = names[k + 1];
    return n;
}

class GisFiles : public Cli {
protected:
    const MapData maps = MapData::load(SILVARIA_SOURCE_DIR "/data/ShapeFiles/");
    const ShapeLayer &grid = *maps.canvas->data();
};

TEST_F(GisFiles, HoldEachGridPointsClassOrCount)
{
    const Bounds teak = SpeciesBounds({}, {{true, true, true}, {0, 1250, 22}, {1000, 3750, 27}});
    const auto points = ClassPoints(*maps.canvas, teak, maps.ranges);
    const QStringList captions{"no class", ClassAt(0).caption, ClassAt(1).caption, ClassAt(2).caption, ClassAt(3).caption};
    const Numbered classes = numbered({points.begin(), points.end()}, captions, grid.featureCount());
    const auto countries = CountryAssignment::compute(grid, *maps.boundaries->data());
    const ClimateShiftResult s = ShiftClimate(maps, GridCells::of(grid), countries, teak, 2, -10);
    const Numbered shift = numbered({s.kept, s.lost, s.gained}, {"no class", "kept", "lost", "gained"}, grid.featureCount());
    ASSERT_EQ(run({"count", "--use", "Bamboo", "-o", file("c.png"), "--points", file("c.csv")}).code, 0);
    Numbered counts;
    for (const QByteArray &line : ReadFile(file("c.csv")).trimmed().split('\n').mid(1))
        counts.values.push_back(line.split(',').last().toInt());
    const QStringList teakRanges{"--alt", "0,1000", "--mar", "1250,3750", "--mat", "22,27"};
    const std::pair<QStringList, const Numbered *> commands[] = {{QStringList{"map", "1"} + teakRanges, &classes},
                                                                {{"count", "--use", "Bamboo"}, &counts},
                                                                {QStringList{"shift", "1", "--dt", "2", "--dp", "-10"} + teakRanges, &shift}};
    for (const auto &[command, expected] : commands)
        for (const QString out : {file("out.tif"), file("out.gpkg")}) {
            const CliRun r = run(command + QStringList{"-o", out});
            ASSERT_EQ(r.code, 0) << r.err.toStdString();
            const Numbered read = pointValues(out, grid); // names empty: not compared
            EXPECT_TRUE(read.values == expected->values) << command.join(' ').toStdString() << " -o " << out.toStdString();
            EXPECT_TRUE(expected->names.isEmpty() || read.names == expected->names) << command.join(' ').toStdString();
        }
}

TEST_F(GisFiles, AreaPolygonsCarryTheCountriesRows)
{
    const CliRun r = run({"area", "2", "--by-country", "--format", "csv", "-o", file("a.gpkg")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    // The countries' rows in order, without the total and the points outside every country.
    const QStringList rows = r.out.split(QLatin1Char('\n')).filter(QRegularExpression("^(?!Country,|total,|outside the|$)"));
    const GDALDatasetUniquePtr gpkg = openGis(file("a.gpkg"));
    ASSERT_TRUE(gpkg);
    OGRLayer *layer = gpkg->GetLayer(0);
    EXPECT_EQ(layer->GetFeatureCount(), rows.size());
    EXPECT_STREQ(layer->GetLayerDefn()->GetFieldDefn(9)->GetNameRef(), "full_pct");
    for (const auto &f : *layer) {
        const QStringList row = rows.value(f->GetFID() - 1).split(QLatin1Char(','));
        ASSERT_EQ(row.size(), f->GetFieldCount()) << f->GetFieldAsString(0);
        EXPECT_EQ(row[0], QString::fromUtf8(f->GetFieldAsString(0)));
        for (int c = 1; c < row.size(); ++c)
            EXPECT_EQ(f->GetFieldAsDouble(c), row[c].toDouble()) << row[0].toStdString() << " column " << c;
        EXPECT_EQ(f->GetGeometryRef()->getGeometryType(), wkbMultiPolygon) << row[0].toStdString();
    }
}

TEST_F(GisFiles, AFileThatFailsHalfWayLeavesTheOldOne)
{
    for (const QStringList &arguments : {QStringList{"map", "1", "-o", file("m.tif")}, QStringList{"map", "1", "-o", file("m.gpkg")},
                                         QStringList{"area", "1", "--by-country", "-o", file("a.gpkg")}}) {
        ASSERT_TRUE(WriteFile(arguments.last(), "the old file"));
        const CliRun r = [&] {
            const FileSizeLimit limit(4096);
            return run(arguments);
        }();
        EXPECT_EQ(r.code, 3) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("(any old file is kept)") && ReadFile(arguments.last()) == "the old file") << r.err.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3) << "no work file is left";
}

} // namespace
