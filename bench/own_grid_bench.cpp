// Opening a grid built by `silvaria-cli grid build`, as the application opens
// it (both layers and the grid's data ranges), beside the floor: reading the
// grid's .shp and .dbf bytes into memory.
//
//   own_grid_bench [--points=10000000] [benchmark options]
//
// The first run writes three synthetic rasters with GDAL (30 arc seconds over
// 89..146 E, 13 S..31 N, blocks of land and sea giving about the points asked
// for) and builds the grid with silvaria-cli into the build tree
// (bench-data/own_grid_N/), printing the build time. Nothing fails on a time.
#include "analysis/MapData.h"
#include "bench/RunTimes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>

#include <benchmark/benchmark.h>
#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

const int Columns = 6840, Rows = 5280; // 30 arc seconds over the region

// Land in about `share` per cent of the blocks of 400 x 400 cells.
bool isLand(int r, int c, int share) { return ((r / 400) * 37 + (c / 400) * 11) % 100 < share; }

void writeRaster(const QString &path, int share, int (*value)(int, int))
{
    GDALDriver *gtiff = GetGDALDriverManager()->GetDriverByName("GTiff");
    const char *options[] = {"TILED=YES", nullptr};
    GDALDataset *ds = gtiff->Create(path.toUtf8().constData(), Columns, Rows, 1, GDT_Int16, const_cast<char **>(options));
    double gt[6] = {89, 1.0 / 120, 0, 31, 0, -1.0 / 120};
    ds->SetGeoTransform(gt);
    OGRSpatialReference srs;
    srs.importFromEPSG(4326);
    ds->SetSpatialRef(&srs);
    GDALRasterBand *band = ds->GetRasterBand(1);
    band->SetNoDataValue(-32768);
    std::vector<std::int16_t> row(Columns);
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c)
            row[c] = isLand(r, c, share) ? std::int16_t(value(r, c)) : std::int16_t(-32768);
        if (band->RasterIO(GF_Write, 0, r, Columns, 1, row.data(), Columns, 1, GDT_Int16, 0, 0) != CE_None)
            std::abort();
    }
    GDALClose(ds);
}

QString buildGrid(long points)
{
    const QString folder = QStringLiteral(SILVARIA_BENCH_DATA "/own_grid_%1").arg(points);
    const QString shapes = folder + QStringLiteral("/ShapeFiles");
    if (QFileInfo::exists(shapes + QStringLiteral("/pasia_canvas.shp")))
        return shapes;
    QDir().mkpath(folder);
    const int share = std::clamp(int(std::lround(100.0 * double(points) / (double(Columns) * Rows))), 1, 100);
    std::fprintf(stderr, "Writing rasters into %s ...\n", qPrintable(folder));
    writeRaster(folder + "/alt.tif", share, [](int r, int c) { return (r * 7 + c * 3) % 3000; });
    writeRaster(folder + "/mar.tif", share, [](int r, int c) { return 500 + (r + c) % 4000; });
    writeRaster(folder + "/mat.tif", share, [](int r, int) { return 150 + r % 150; });
    QProcess cli;
    cli.setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer timer;
    timer.start();
    cli.start(QStringLiteral(SILVARIA_BINARY_DIR "/bin/silvaria-cli"),
              {"grid", "build", "--alt", folder + "/alt.tif", "--mar", folder + "/mar.tif", "--mat", folder + "/mat.tif",
               "--mat-scale", "0.1", "--extent=89,-13,146,31", "--step", "0.5", "-o", shapes});
    cli.waitForFinished(-1);
    if (cli.exitCode() != 0)
        std::abort();
    QFile::copy(QStringLiteral(SILVARIA_SOURCE_DIR "/data/ShapeFiles/country_bnd.shp"), shapes + "/country_bnd.shp");
    QFile::copy(QStringLiteral(SILVARIA_SOURCE_DIR "/data/ShapeFiles/country_bnd.shx"), shapes + "/country_bnd.shx");
    QFile::copy(QStringLiteral(SILVARIA_SOURCE_DIR "/data/ShapeFiles/country_bnd.dbf"), shapes + "/country_bnd.dbf");
    std::fprintf(stderr, "Built %s in %.1f s: .shp %.0f MB, .dbf %.0f MB\n", qPrintable(shapes), timer.elapsed() / 1000.0,
                 QFileInfo(shapes + "/pasia_canvas.shp").size() / 1e6, QFileInfo(shapes + "/pasia_canvas.dbf").size() / 1e6);
    return shapes;
}

void Open(benchmark::State &state, QString folder)
{
    std::size_t points = 0;
    for (auto _ : state) {
        const MapData maps = MapData::load(folder);
        points = maps.canvas->data()->featureCount();
        benchmark::DoNotOptimize(maps.canvas.get());
    }
    state.counters["points"] = double(points);
}

void Floor(benchmark::State &state, QString folder)
{
    qint64 bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const char *name : {"/pasia_canvas.shp", "/pasia_canvas.dbf"}) {
            QFile file(folder + QLatin1String(name));
            if (!file.open(QIODevice::ReadOnly))
                std::abort();
            const QByteArray all = file.readAll();
            bytes += all.size();
            benchmark::DoNotOptimize(all.constData());
        }
    }
    state.counters["MB"] = double(bytes) / 1e6;
}


} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    GDALAllRegister();
    long points = 10'000'000;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--points=", 9) == 0)
            points = std::stol(argv[i] + 9);
    const QString folder = buildGrid(points);
    benchmark::RegisterBenchmark("OpenOwnGrid", Open, folder)->Unit(benchmark::kMillisecond)->Iterations(3);
    benchmark::RegisterBenchmark("FloorReadFiles", Floor, folder)->Unit(benchmark::kMillisecond)->Iterations(3);
    benchmark::Initialize(&argc, argv);
    RunTimes reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double open = reporter.seconds["OpenOwnGrid/iterations:3"], floor = reporter.seconds["FloorReadFiles/iterations:3"];
    std::printf("\nOpen %.2f s (within 2 s: %s), %.1f x the floor of reading the files (%.2f s)\n", open,
                open <= 2 ? "yes" : "no", floor > 0 ? open / floor : 0, floor);
    benchmark::Shutdown();
    return 0;
}
