// grid fetch worldclim at 10 arc minutes from a server on 127.0.0.1 (the
// tests' LocalHttpServer) beside grid build on the same rasters on disk, as
// a ratio of their times.
//
//   fetch_bench [benchmark options]
//
// The first run writes WorldClim-like global rasters of 10 arc minutes with
// GDAL (2160 x 1080 pixels: the elevation and the 19 BIO variables, blocks of
// land, the sea as no data) as GeoTIFFs, and zips them as WorldClim publishes
// them, into bench-data/worldclim_10m/. Both commands run in-process on the
// bundled grid's extent and step, numbering the points by the bundled
// boundaries. Nothing fails on a time.
#include "bench/RunTimes.h"
#include "cli/CliProgram.h"
#include "cli/NetworkReading.h"
#include "tests/common/LocalHttpServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <benchmark/benchmark.h>
#include <cpl_vsi.h>
#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>
#include <vector>

namespace {

const int Columns = 2160, Rows = 1080; // 10 arc minutes over the globe
const QString Data = QStringLiteral(SILVARIA_BENCH_DATA "/worldclim_10m");
const QString Base = QStringLiteral("/climate/worldclim/2_1/base/");

bool isLand(int r, int c) { return ((r / 30) * 37 + (c / 30) * 11) % 100 < 35; }
// Pixel-to-pixel variation, so that the files compress about as much as real climate surfaces.
double noise(int r, int c) { return double((unsigned(r) * 73856093u ^ unsigned(c) * 19349663u) % 1000) / 100; }

// A compressed GeoTIFF as WorldClim's: the value of a land pixel, no data at sea.
void writeRaster(const QString &path, GDALDataType type, double noData, double (*value)(int, int, int), int variable)
{
    const char *options[] = {"COMPRESS=DEFLATE", nullptr};
    std::unique_ptr<GDALDataset> ds(GetGDALDriverManager()->GetDriverByName("GTiff")->Create(
        path.toUtf8().constData(), Columns, Rows, 1, type, const_cast<char **>(options)));
    double gt[6] = {-180, 1.0 / 6, 0, 90, 0, -1.0 / 6};
    OGRSpatialReference srs;
    srs.importFromEPSG(4326);
    ds->SetGeoTransform(gt);
    ds->SetSpatialRef(&srs);
    GDALRasterBand *band = ds->GetRasterBand(1);
    band->SetNoDataValue(noData);
    std::vector<double> row(Columns);
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c)
            row[std::size_t(c)] = isLand(r, c) ? value(r, c, variable) : noData;
        if (band->RasterIO(GF_Write, 0, r, Columns, 1, row.data(), Columns, 1, GDT_Float64, 0, 0) != CE_None)
            std::abort();
    }
}

// Copies a file into a zip archive with GDAL's /vsizip/ writer.
void addToZip(const QString &zip, const QString &file)
{
    QFile in(file);
    VSILFILE *out = VSIFOpenL(("/vsizip/" + zip + "/" + QFileInfo(file).fileName()).toUtf8().constData(), "wb");
    if (!in.open(QIODevice::ReadOnly) || !out)
        std::abort();
    const QByteArray bytes = in.readAll();
    if (VSIFWriteL(bytes.constData(), 1, std::size_t(bytes.size()), out) != std::size_t(bytes.size()) || VSIFCloseL(out) != 0)
        std::abort();
}

void writeWorldClim()
{
    if (QFileInfo::exists(Data + "/www" + Base + "wc2.1_10m_bio.zip"))
        return;
    std::fprintf(stderr, "Writing WorldClim-like rasters into %s ...\n", qPrintable(Data));
    QDir().mkpath(Data + "/www" + Base);
    writeRaster(Data + "/wc2.1_10m_elev.tif", GDT_Int16, -32768, [](int r, int c, int) { return double((r * 7 + c * 3) % 3000) + std::round(noise(r, c) * 5); }, 0);
    addToZip(Data + "/www" + Base + "wc2.1_10m_elev.zip", Data + "/wc2.1_10m_elev.tif");
    for (int v = 1; v <= 19; ++v) {
        const QString tif = Data + QStringLiteral("/wc2.1_10m_bio_%1.tif").arg(v);
        writeRaster(tif, GDT_Float32, -3.4e38, [](int r, int c, int variable) {
            const double v = variable == 1 ? 15 + (r % 150) / 10.0 : variable == 12 ? 500.0 + (r + c) % 4000 : variable * 10.0 + r % 7;
            return v + noise(r, c) / (variable == 12 ? 0.1 : 10);
        }, v);
        addToZip(Data + "/www" + Base + "wc2.1_10m_bio.zip", tif);
    }
}

void run(const QStringList &arguments)
{
    std::ostringstream out, err;
    if (RunCli(arguments, {out, err, false}) != 0) {
        std::fprintf(stderr, "%s", err.str().c_str());
        std::abort();
    }
}

void Fetch(benchmark::State &state)
{
    const LocalHttpServer server(Data + "/www");
    for (auto _ : state)
        run({"grid", "fetch", "worldclim", "--res", "10m", "--base-url", server.url(), "--app-folder", SILVARIA_SOURCE_DIR "/data",
             "-o", Data + "/fetched"});
    state.counters["MB downloaded"] = double(DownloadedBytes()) / 1e6;
}

void BuildOnDisk(benchmark::State &state)
{
    QDir().mkpath(Data + "/built");
    for (const QString &f : QDir(SILVARIA_SOURCE_DIR "/data/ShapeFiles").entryList({"country_bnd.*"}))
        QFile::copy(SILVARIA_SOURCE_DIR "/data/ShapeFiles/" + f, Data + "/built/" + f);
    for (auto _ : state)
        run({"grid", "build", "--alt", Data + "/wc2.1_10m_elev.tif", "--mar", Data + "/wc2.1_10m_bio_12.tif", "--mat",
             Data + "/wc2.1_10m_bio_1.tif", "--extent=89,-13,146,31", "--step", "5", "-o", Data + "/built"});
}


} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    GDALAllRegister();
    writeWorldClim();
    benchmark::RegisterBenchmark("GridFetchFromLocalServer", Fetch)->Unit(benchmark::kMillisecond)->Iterations(10);
    benchmark::RegisterBenchmark("GridBuildOnDisk", BuildOnDisk)->Unit(benchmark::kMillisecond)->Iterations(10);
    benchmark::Initialize(&argc, argv);
    RunTimes reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::string fetch = "GridFetchFromLocalServer/iterations:10", build = "GridBuildOnDisk/iterations:10";
    const auto ratio = [](double a, double b) { return b > 0 ? a / b : 0; };
    std::printf("\ngrid fetch %.3f s, grid build on disk %.3f s: %.2f x (target: at most 1.2 x); processor time %.2f x\n",
                reporter.seconds[fetch], reporter.seconds[build], ratio(reporter.seconds[fetch], reporter.seconds[build]),
                ratio(reporter.cpuSeconds[fetch], reporter.cpuSeconds[build]));
    benchmark::Shutdown();
    return 0;
}
