// The planners' analyses beside plain loops (the floors) in the same run:
// near misses at a point on the 10,000-species synthetic catalogue, area by
// country (with and without assigning countries) on the sample grid and a
// 5-million-point grid, the species count per grid point, and map --all.
//
// One run (Release, 2 shared cores), time and ratio to the floor beside it:
//   near misses, 10,000 species        0.038 ms   3.5 x  (suitable rule over all species)
//   country assignment, sample grid    137 ms            (5M points: 2.9 s); by grid rows
//                                      16 ms             (5M points: 0.78 s; another run, load 7)
//   area by country, sample grid       0.82 ms    7.7 x  (one pass summing the full match)
//   area by country, 5M points         60 ms      4.4 x
//   species count, 64 species          0.94 ms    0.10 x (plain loop species x points)
//   species count, 10,000 species      59 ms      0.04 x (preparing the grid once: 24 ms)
//   map --all, 64 species              2.7 s      2.0 x  (64 blank pictures as PNG)
#include "analysis/CellArea.h"
#include "analysis/CountryAssignment.h"
#include "analysis/MapData.h"
#include "analysis/NearMisses.h"
#include "analysis/PointMap.h"
#include "analysis/SpeciesCount.h"
#include "analysis/SuitabilityClasses.h"
#include "analysis/SuitableArea.h"
#include "bench/BenchData.h"
#include "catalogue/modDatabase.h"
#include "tools/shapefiles/SyntheticGrid.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <map>

namespace {

const QString SampleShapes = QStringLiteral(SILVARIA_SOURCE_DIR "/data/ShapeFiles/");

// The catalogue's ranges, read once per catalogue.
const SpeciesRangeTable &species(bool synthetic)
{
    static std::map<bool, SpeciesRangeTable> tables;
    auto found = tables.find(synthetic);
    if (found == tables.end()) {
        SetCatalogueConnection(Connection::OpenFile(synthetic ? SyntheticApplicationFolder() + "/Database/dbsilvar.mdb"
                                                              : SampleCatalogue()));
        found = tables.emplace(synthetic, SpeciesRangeTable::read()).first;
    }
    return found->second;
}

// The sample grid, or a synthetic grid of `points` written once into the build tree.
const MapData &grid(long points)
{
    static std::map<long, MapData> loaded;
    auto found = loaded.find(points);
    if (found != loaded.end())
        return found->second;
    MapData data = MapData::load(SampleShapes);
    if (points) {
        const QString path = QStringLiteral(SILVARIA_BENCH_DATA "/grid_%1.shp").arg(points);
        QDir().mkpath(QStringLiteral(SILVARIA_BENCH_DATA));
        if (!QFileInfo::exists(path)) {
            std::fprintf(stderr, "Writing %s ...\n", qPrintable(path));
            WriteSyntheticGrid(points, path.toStdString());
        }
        data.canvas = MapLayer::fromFile(path);
    }
    return loaded.emplace(points, std::move(data)).first->second;
}

const GridClimate &climate(long points)
{
    static std::map<long, GridClimate> read;
    auto found = read.find(points);
    if (found == read.end())
        found = read.emplace(points, GridClimate::read(*grid(points).canvas->data())).first;
    return found->second;
}

void NearMisses(benchmark::State &state)
{
    const SpeciesRangeTable &table = species(true);
    const MapData &maps = grid(0);
    const GridClimate &values = climate(0);
    const MapPoint at{100.5, 14.0};
    std::size_t listed = 0;
    for (auto _ : state) {
        const PointAnswer answer = AnswerAtPoint(table, values, *maps.canvas, at, IdentifyReach(maps.canvas->extent()));
        listed = answer.suitable.size() + answer.nearMisses.size() + answer.incomplete.size();
        benchmark::DoNotOptimize(listed);
    }
    state.counters["listed"] = double(listed);
}

// Floor: the suitable rule over every species at one known point.
void NearMissesFloor(benchmark::State &state)
{
    const SpeciesRangeTable &table = species(true);
    const double v[3] = {0, 1224, 27.4};
    for (auto _ : state) {
        std::size_t n = 0;
        for (const SpeciesRangeRow &row : table.rows)
            n += row.suitableAt(v);
        benchmark::DoNotOptimize(n);
    }
}

void AssignCountries(benchmark::State &state)
{
    const MapData &maps = grid(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(CountryAssignment::compute(*maps.canvas->data(), *maps.boundaries->data()).index.data());
}

void AreaByCountry(benchmark::State &state)
{
    const MapData &maps = grid(state.range(0));
    const GridCells cells = GridCells::of(*maps.canvas->data());
    const auto countries = CountryAssignment::of(maps.canvas->data(), maps.boundaries->data());
    Bounds teak;
    const double b[6] = {0, 1000, 1250, 3750, 22, 27};
    for (int c = 0; c < 3; ++c) {
        teak.min[c] = Bound::fromNumber(b[2 * c]);
        teak.max[c] = Bound::fromNumber(b[2 * c + 1]);
    }
    for (auto _ : state) {
        const auto points = ClassPoints(*maps.canvas, teak);
        const AreaTable table = SumAreas({&points[0], &points[1], &points[2], &points[3]}, cells, *countries);
        benchmark::DoNotOptimize(table.total.km2.data());
    }
}

// Floor: one plain pass over the points testing the full match and summing its area per country.
void AreaFloor(benchmark::State &state)
{
    const MapData &maps = grid(state.range(0));
    const GridCells cells = GridCells::of(*maps.canvas->data());
    const auto countries = CountryAssignment::of(maps.canvas->data(), maps.boundaries->data());
    const GridClimate &v = climate(state.range(0));
    std::vector<double> sums(std::size_t(countries->names.size()) + 1);
    for (auto _ : state) {
        std::fill(sums.begin(), sums.end(), 0.0);
        for (std::size_t i = 0; i < v.size(); ++i)
            if (v.stored[0][i] >= 0 && v.stored[0][i] <= 1000 && v.stored[1][i] >= 1250 && v.stored[1][i] <= 3750 &&
                v.stored[2][i] >= 22 && v.stored[2][i] <= 27)
                sums[countries->index[i]] += cells.areaKm2[i];
        benchmark::DoNotOptimize(sums.data());
    }
}

void SpeciesCount(benchmark::State &state)
{
    const SpeciesRangeTable &table = species(state.range(0));
    const SpeciesCountGrid prepared(climate(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(prepared.count(table).data());
}

void SpeciesCountPrepare(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SpeciesCountGrid(climate(0)).count(SpeciesRangeTable{}).data());
}

// Floor: a plain loop over species and points with the same rule.
void SpeciesCountFloor(benchmark::State &state)
{
    const SpeciesRangeTable &table = species(state.range(0));
    const GridClimate &v = climate(0);
    std::vector<std::uint32_t> counts(v.size());
    for (auto _ : state) {
        std::fill(counts.begin(), counts.end(), 0u);
        for (const SpeciesRangeRow &row : table.rows)
            for (std::size_t i = 0; i < v.size(); ++i) {
                const double p[3] = {v.engine[0][i], v.engine[1][i], v.engine[2][i]};
                counts[i] += row.suitableAt(p);
            }
        benchmark::DoNotOptimize(counts.data());
    }
}

// silvaria-cli map --all on the sample application folder, as a user runs it.
void MapAll(benchmark::State &state)
{
    QTemporaryDir out;
    for (auto _ : state) {
        QProcess cli;
        cli.start(QStringLiteral(SILVARIA_BINARY_DIR "/bin/silvaria-cli"),
                  {QStringLiteral("map"), QStringLiteral("--all"), QStringLiteral("-o"), out.path()});
        cli.waitForFinished(120000);
        if (cli.exitCode() != 0)
            state.SkipWithError("silvaria-cli map --all failed");
    }
}

// Floor: encoding 64 blank pictures of the same size as PNG.
void MapAllFloor(benchmark::State &state)
{
    QImage blank(1000, 750, QImage::Format_RGB32);
    blank.fill(Qt::white);
    QTemporaryDir out;
    for (auto _ : state)
        for (int i = 0; i < 64; ++i)
            SaveMapPicture(blank, out.filePath(QStringLiteral("%1.png").arg(i)));
}

} // namespace

BENCHMARK(NearMisses)->Unit(benchmark::kMicrosecond);
BENCHMARK(NearMissesFloor)->Unit(benchmark::kMicrosecond);
BENCHMARK(AssignCountries)->Arg(0)->Arg(5000000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(AreaByCountry)->Arg(0)->Arg(5000000)->Unit(benchmark::kMillisecond);
BENCHMARK(AreaFloor)->Arg(0)->Arg(5000000)->Unit(benchmark::kMillisecond);
BENCHMARK(SpeciesCount)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(SpeciesCountPrepare)->Unit(benchmark::kMillisecond);
BENCHMARK(SpeciesCountFloor)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(MapAll)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(MapAllFloor)->Unit(benchmark::kMillisecond)->Iterations(1);
