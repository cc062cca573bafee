// The map engine on the sample grid and on synthetic grids of 1M and 5M
// points, beside the floor (a plain scan of three float columns collecting
// the x, y of matching points) and the peer (GDAL/OGR on the same shapefile).
//
//   map_engine_bench [--grids=sample,1000000,5000000] [benchmark options]
//
// Synthetic grids are written once into the build tree (bench-data/).
// Prints figures and, at the end, the ratios; it never fails on a time.
#include "mapping/MapRenderer.h"
#include "tools/shapefiles/SyntheticGrid.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>
#include <ogrsf_frmts.h>
#include <shapefil.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

// The four classes of one species (Acacia mangium: 0-800 m, 1000-4500 mm,
// 20-30 C, the temperature clamped to the data range).
const char *const Filters[4] = {
    "ALT >= 0 AND ALT <= 800",
    "MAR >= 1000 AND MAR <= 4500",
    "MAT >= 20 AND MAT <= 29.2",
    "ALT >= 0 AND ALT <= 800 AND MAR >= 1000 AND MAR <= 4500 AND MAT >= 20 AND MAT <= 29.2",
};
struct Bounds {
    float altLow, altHigh, marLow, marHigh, matLow, matHigh;
};
const Bounds FilterBounds[4] = {
    {0, 800, -1e30f, 1e30f, -1e30f, 1e30f},
    {-1e30f, 1e30f, 1000, 4500, -1e30f, 1e30f},
    {-1e30f, 1e30f, -1e30f, 1e30f, 20, 29.2f},
    {0, 800, 1000, 4500, 20, 29.2f},
};
const QColor ClassColours[4] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 255, 0), QColor(128, 64, 64)};

// The map of the map window: 7560 x 4815 twips at 15 twips per pixel.
const QSize MapSize(504, 321);

const QString SampleFolder = QStringLiteral(SILVARIA_SOURCE_DIR "/data/ShapeFiles/");

struct Grid {
    std::string label;
    QString path;
};

QString gridPath(const std::string &label)
{
    if (label == "sample")
        return SampleFolder + "pasia_canvas.shp";
    const QString folder = QStringLiteral(SILVARIA_BENCH_DATA);
    QDir().mkpath(folder);
    const QString path = folder + "/grid_" + QString::fromStdString(label) + ".shp";
    if (!QFileInfo::exists(path)) {
        std::fprintf(stderr, "Writing %s ...\n", path.toLocal8Bit().constData());
        WriteSyntheticGrid(std::stol(label), path.toStdString());
    }
    return path;
}

// Layers of a map: the grid (invisible) under the country boundaries.
struct Map {
    MapLayers layers;
    std::shared_ptr<MapLayer> canvas;

    explicit Map(const QString &gridFile)
    {
        canvas = MapLayer::fromFile(gridFile);
        canvas->setVisible(false);
        layers.add(canvas);
        auto boundary = MapLayer::fromFile(SampleFolder + "country_bnd.shp");
        boundary->setColor(Qt::white);
        layers.add(boundary);
    }
};

std::map<QString, std::unique_ptr<Map>> &maps()
{
    static std::map<QString, std::unique_ptr<Map>> loaded;
    return loaded;
}

Map &mapOf(const QString &path)
{
    auto &slot = maps()[path];
    if (!slot)
        slot = std::make_unique<Map>(path);
    return *slot;
}

void Redraw(benchmark::State &state, QString path)
{
    Map &map = mapOf(path);
    const MapViewport viewport(map.layers.fullExtent(), MapSize);
    QImage image(MapSize, QImage::Format_ARGB32_Premultiplied);
    std::size_t drawn = 0;
    for (auto _ : state) {
        drawn = 0;
        MapRenderer::render(image, map.layers, viewport, QColor(198, 224, 242), [&](int index, MapPainter &painter) {
            if (index != 0)
                return;
            for (int k = 0; k < 4; ++k) {
                MapSymbol symbol;
                symbol.color = symbol.outlineColor = ClassColours[k];
                const MapRecordSet found = map.canvas->SearchExpression(QString::fromLatin1(Filters[k]));
                drawn += found.count();
                painter.drawRecordSet(found, symbol);
            }
        });
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["points"] = double(map.canvas->data()->featureCount());
    state.counters["drawn"] = double(drawn);
}

void Floor(benchmark::State &state, QString path)
{
    const ShapeLayer &data = *mapOf(path).canvas->data();
    const AttributeTable &table = data.attributes();
    const std::uint32_t n = data.featureCount();
    std::vector<float> alt(n), mar(n), mat(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        alt[i] = float(table.column(table.indexOf("ALT")).number(i));
        mar[i] = float(table.column(table.indexOf("MAR")).number(i));
        mat[i] = float(table.column(table.indexOf("MAT")).number(i));
    }
    const std::span<const double> x = data.xs();
    const std::span<const double> y = data.ys();
    std::vector<std::pair<double, double>> found;
    found.reserve(n);
    std::size_t total = 0;
    for (auto _ : state) {
        total = 0;
        for (const Bounds &b : FilterBounds) {
            found.clear();
            for (std::uint32_t i = 0; i < n; ++i)
                if (alt[i] >= b.altLow && alt[i] <= b.altHigh && mar[i] >= b.marLow && mar[i] <= b.marHigh &&
                    mat[i] >= b.matLow && mat[i] <= b.matHigh)
                    found.emplace_back(x[i], y[i]);
            total += found.size();
            benchmark::DoNotOptimize(found.data());
        }
    }
    state.counters["drawn"] = double(total);
}

GDALDataset *ogrOpen(const QString &path)
{
    auto *dataset = static_cast<GDALDataset *>(
        GDALOpenEx(path.toUtf8().constData(), GDAL_OF_VECTOR | GDAL_OF_READONLY, nullptr, nullptr, nullptr));
    if (!dataset)
        throw std::runtime_error("GDAL cannot open " + path.toStdString());
    return dataset;
}

void PeerRedraw(benchmark::State &state, QString path)
{
    std::size_t total = 0;
    for (auto _ : state) {
        total = 0;
        GDALDataset *dataset = ogrOpen(path);
        OGRLayer *layer = dataset->GetLayer(0);
        std::vector<std::pair<double, double>> found;
        for (const char *filter : Filters) {
            found.clear();
            layer->SetAttributeFilter(filter);
            layer->ResetReading();
            while (OGRFeature *feature = layer->GetNextFeature()) {
                if (const OGRGeometry *g = feature->GetGeometryRef(); g && wkbFlatten(g->getGeometryType()) == wkbPoint)
                    found.emplace_back(g->toPoint()->getX(), g->toPoint()->getY());
                OGRFeature::DestroyFeature(feature);
            }
            total += found.size();
        }
        GDALClose(dataset);
    }
    state.counters["drawn"] = double(total);
}

void Open(benchmark::State &state, QString path)
{
    std::size_t bytes = 0, points = 0;
    for (auto _ : state) {
        const auto layer = ShapeLayer::read(path);
        bytes = layer->memoryBytes();
        points = layer->featureCount();
        benchmark::DoNotOptimize(layer.get());
    }
    state.counters["bytes_per_point"] = double(bytes) / double(points);
}

void PeerOpen(benchmark::State &state, QString path)
{
    double checksum = 0;
    for (auto _ : state) {
        GDALDataset *dataset = ogrOpen(path);
        OGRLayer *layer = dataset->GetLayer(0);
        const int fields = layer->GetLayerDefn()->GetFieldCount();
        while (OGRFeature *feature = layer->GetNextFeature()) {
            for (int f = 0; f < fields; ++f)
                checksum += feature->GetFieldAsDouble(f);
            if (const OGRGeometry *g = feature->GetGeometryRef(); g && wkbFlatten(g->getGeometryType()) == wkbPoint)
                checksum += g->toPoint()->getX();
            OGRFeature::DestroyFeature(feature);
        }
        GDALClose(dataset);
    }
    benchmark::DoNotOptimize(checksum);
}

// shapelib used record by record, as its API offers: every point through
// SHPReadObject and the three climate fields through DBFReadDoubleAttribute.
// Our open reads the same files in blocks; this shows what that buys.
void LibraryOpen(benchmark::State &state, QString path)
{
    const QByteArray base = QFileInfo(path).path().toLocal8Bit() + "/" + QFileInfo(path).completeBaseName().toLocal8Bit();
    double checksum = 0;
    for (auto _ : state) {
        SHPHandle shp = SHPOpen(base.constData(), "rb");
        DBFHandle dbf = DBFOpen(base.constData(), "rb");
        int count = 0;
        SHPGetInfo(shp, &count, nullptr, nullptr, nullptr);
        const int fields[3] = {DBFGetFieldIndex(dbf, "ALT"), DBFGetFieldIndex(dbf, "MAR"), DBFGetFieldIndex(dbf, "MAT")};
        for (int i = 0; i < count; ++i) {
            SHPObject *object = SHPReadObject(shp, i);
            checksum += object->padfX[0] + object->padfY[0];
            SHPDestroyObject(object);
            for (int field : fields)
                checksum += DBFReadDoubleAttribute(dbf, i, field);
        }
        DBFClose(dbf);
        SHPClose(shp);
    }
    benchmark::DoNotOptimize(checksum);
}

// Identify: the grid points within the map distance of 100 twips of a random
// point, then the fields of the first, as the identify tool reads them.
// range(0) is the zoom level (1 full extent, 9 after eight zoom-ins);
// range(1) 1 also lists every point within reach.
void Identify(benchmark::State &state, QString path)
{
    const bool listAll = state.range(1) != 0;
    Map &map = mapOf(path);
    const MapExtent full = map.layers.fullExtent();
    const MapExtent shown = full.scaled(std::pow(0.75, double(state.range(0) - 1)));
    const MapViewport viewport(shown, MapSize);
    const double reach = 100.0 / 1440 * 96 * viewport.unitsPerPixel();
    QRandomGenerator random(7);
    std::size_t hits = 0, found = 0;
    for (auto _ : state) {
        const MapPoint at{shown.left() + random.bounded(shown.width()), shown.bottom() + random.bounded(shown.height())};
        MapRecordSet records = map.canvas->searchByDistance(at, reach);
        if (listAll)
            found += records.count();
        if (!records.isEOF()) {
            ++hits;
            benchmark::DoNotOptimize(records.fields());
        }
    }
    state.counters["found_per_query"] = double(found) / double(state.iterations());
    state.counters["hit_rate"] = double(hits) / double(state.iterations());
}

// Collects each run's time per iteration for the ratio table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> seconds;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            if (run.iterations > 0) {
                std::string name = run.benchmark_name();
                if (const auto cut = name.find("/iterations:"); cut != std::string::npos)
                    name.erase(cut);
                // CPU time: the machines are shared, and every measured path
                // runs on one thread with its files in the page cache.
                seconds[name] = run.cpu_accumulated_time / double(run.iterations);
            }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv); // fonts for text drawing
    GDALAllRegister();
    std::vector<std::string> labels = {"sample", "1000000", "5000000"};
    std::vector<char *> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--grids=", 8) == 0) {
            labels.clear();
            const QStringList parts = QString::fromLocal8Bit(argv[i] + 8).split(',', Qt::SkipEmptyParts);
            for (const QString &part : parts)
                labels.push_back(part.toStdString());
        } else {
            rest.push_back(argv[i]);
        }
    }
    int restCount = int(rest.size());
    benchmark::Initialize(&restCount, rest.data());

    for (const std::string &label : labels) {
        const QString path = gridPath(label);
        const bool big = label != "sample";
        const bool huge = label == "5000000";
        benchmark::RegisterBenchmark(("Redraw/" + label).c_str(), Redraw, path)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Floor/" + label).c_str(), Floor, path)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("PeerRedraw/" + label).c_str(), PeerRedraw, path)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(big ? 1 : 3);
        benchmark::RegisterBenchmark(("Open/" + label).c_str(), Open, path)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(huge ? 2 : (big ? 3 : 10));
        benchmark::RegisterBenchmark(("LibraryOpen/" + label).c_str(), LibraryOpen, path)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(big ? 1 : 3);
        benchmark::RegisterBenchmark(("PeerOpen/" + label).c_str(), PeerOpen, path)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(big ? 1 : 3);
        benchmark::RegisterBenchmark(("Identify/" + label).c_str(), Identify, path)
            ->Args({1, 0})
            ->Args({9, 0})
            ->Args({1, 1})
            ->Args({9, 1})
            ->Unit(benchmark::kMicrosecond);
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nCPU time per operation; ratios of the same run.\n");
    std::printf("%-10s %12s %12s %12s %10s %10s %12s %12s %10s %14s %14s\n", "grid", "redraw ms", "floor ms",
                "OGR ms", "x floor", "OGR / us", "open ms", "OGR open ms", "OGR/open", "identify us z1",
                "identify us z9");
    for (const std::string &label : labels) {
        auto get = [&](const std::string &name) {
            const auto found = reporter.seconds.find(name);
            return found == reporter.seconds.end() ? 0.0 : found->second;
        };
        const double redraw = get("Redraw/" + label), floor = get("Floor/" + label), peer = get("PeerRedraw/" + label);
        const double open = get("Open/" + label), peerOpen = get("PeerOpen/" + label);
        const double id1 = get("Identify/" + label + "/1/0"), id9 = get("Identify/" + label + "/9/0");
        const double all1 = get("Identify/" + label + "/1/1"), all9 = get("Identify/" + label + "/9/1");
        std::printf("%-10s %12.2f %12.2f %12.1f %10.2f %10.0f %12.1f %12.1f %10.1f %14.2f %14.2f\n", label.c_str(),
                    redraw * 1e3, floor * 1e3, peer * 1e3, floor > 0 ? redraw / floor : 0, redraw > 0 ? peer / redraw : 0,
                    open * 1e3, peerOpen * 1e3, open > 0 ? peerOpen / open : 0, id1 * 1e6, id9 * 1e6);
        const double library = get("LibraryOpen/" + label);
        std::printf("%-10s shapelib record by record: %.1f ms, %.1fx our open\n", label.c_str(), library * 1e3,
                    open > 0 ? library / open : 0);
        std::printf("%-10s listing every point within reach: %.2f us (zoom 1), %.2f us (zoom 9)\n", label.c_str(),
                    all1 * 1e6, all9 * 1e6);
    }
    for (const std::string &label : labels) {
        const auto layer = ShapeLayer::read(gridPath(label));
        std::printf("memory %-10s %zu bytes for %u points: %.1f bytes per point\n", label.c_str(), layer->memoryBytes(),
                    layer->featureCount(), double(layer->memoryBytes()) / layer->featureCount());
    }
    benchmark::Shutdown();
    return 0;
}
