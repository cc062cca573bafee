// The comparison of one species' full match on the sample grid with its full
// match on a scenario grid on the same points (CompareClimates, as shift
// --scenario and the Climate Shift window run it: both matches, kept, lost
// and gained, their km² per country), beside the floor: one pass over both
// grids' ALT, MAR and MAT values. Repeated; the medians and their ratio are
// printed after the runs. Nothing fails on a time.
//
//   scenario_bench [benchmark options]
//
// The first run copies the sample grid into the build tree
// (bench-data/scenario_grid/) and writes a scenario beside it with the grid's
// own writer: 1.8 °C warmer, rainfall 8 % lower at every other point.
//
// One run (Release, 2 cores shared with other work), medians of 9:
//   comparison, Tectona grandis' ranges   2.90 ms wall (1.88 ms processor)   4.6 x
//   floor, both grids' values read once   0.62 ms wall (0.40 ms processor)
#include "analysis/CellArea.h"
#include "analysis/ClimateShift.h"
#include "analysis/CountryAssignment.h"
#include "analysis/GridClimate.h"
#include "analysis/MapData.h"
#include "analysis/ScenarioGrids.h"
#include "bench/RunTimes.h"
#include "mapping/AttributeColumn.h"
#include "tools/shapefiles/ScenarioGridFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

const QString Scenario = QStringLiteral("GCM-1_ssp245_2041-2060");

QString scenarioGridFolder()
{
    const QString folder = QStringLiteral(SILVARIA_BENCH_DATA "/scenario_grid/");
    if (QFileInfo::exists(folder + "scenarios/" + Scenario + "/pasia_canvas.shp"))
        return folder;
    QDir().mkpath(folder);
    const QDir sample(QStringLiteral(SILVARIA_SOURCE_DIR "/data/ShapeFiles"));
    for (const QString &file : sample.entryList(QDir::Files))
        QFile::copy(sample.filePath(file), folder + file);
    WriteScenarioGrid(folder, Scenario, [](GridPointWriter::Point &p, std::uint32_t i) {
        p.mat += 1.8;
        p.mar = i % 2 ? int(p.mar * 0.92) : p.mar;
    });
    return folder;
}

// What both runs read: the grid, the scenario on its points, the cells and countries.
struct Inputs {
    MapData maps;
    std::shared_ptr<MapLayer> scenario;
    GridCells cells;
    std::shared_ptr<const CountryAssignment> countries;
    Bounds teak; // Tectona grandis: ALT 0 to 1000 m, MAR 1250 to 3750 mm, MAT 22 to 27 °C
};

const Inputs &inputs()
{
    static const Inputs read = [] {
        Inputs in;
        in.maps = MapData::load(scenarioGridFolder());
        in.scenario = LoadScenarioLayer(FindScenarioGrid(in.maps.folder, Scenario), *in.maps.canvas->data());
        in.cells = GridCells::of(*in.maps.canvas->data());
        in.countries = CountryAssignment::of(in.maps.canvas->data(), in.maps.boundaries->data());
        const double b[6] = {0, 1000, 1250, 3750, 22, 27};
        for (int c = 0; c < 3; ++c) {
            in.teak.min[c] = Bound::fromNumber(b[2 * c]);
            in.teak.max[c] = Bound::fromNumber(b[2 * c + 1]);
        }
        return in;
    }();
    return read;
}

void CompareScenario(benchmark::State &state)
{
    const Inputs &in = inputs();
    std::size_t changed = 0;
    for (auto _ : state) {
        const ClimateShiftResult result = CompareClimates(in.maps, in.cells, *in.countries, in.teak, *in.scenario->data(), 0, 0);
        changed = result.lost.size() + result.gained.size();
        benchmark::DoNotOptimize(result.areas.total.km2.data());
    }
    state.counters["lost+gained"] = double(changed);
}

// A plain pass over a numeric column's stored values.
double sumOf(const AttributeColumn &column)
{
    double sum = 0;
    const auto add = [&sum](auto values) {
        for (auto v : values)
            sum += double(v);
    };
    switch (column.storage()) {
    case ColumnStorage::Int16: add(column.int16s()); break;
    case ColumnStorage::Int32: add(column.int32s()); break;
    case ColumnStorage::Float32: add(column.floats()); break;
    case ColumnStorage::Float64: add(column.doubles()); break;
    case ColumnStorage::Text: break;
    }
    return sum;
}

// Floor: every ALT, MAR and MAT of both grids read once, as the columns store them.
void ReadBothGrids(benchmark::State &state)
{
    const Inputs &in = inputs();
    std::vector<const AttributeColumn *> columns;
    for (const ShapeLayer *grid : {in.maps.canvas->data().get(), in.scenario->data().get()})
        for (int c = 0; c < 3; ++c)
            columns.push_back(&grid->attributes().column(GridClimate::fieldOf(*grid, c)));
    for (auto _ : state) {
        double sum = 0;
        for (const AttributeColumn *column : columns)
            sum += sumOf(*column);
        benchmark::DoNotOptimize(sum);
    }
    state.counters["points"] = double(in.maps.canvas->data()->featureCount());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    inputs(); // the files written and read before any timing
    const int repeats = 9;
    benchmark::RegisterBenchmark("CompareScenario", CompareScenario)->Unit(benchmark::kMillisecond)->Repetitions(repeats);
    benchmark::RegisterBenchmark("ReadBothGrids", ReadBothGrids)->Unit(benchmark::kMillisecond)->Repetitions(repeats);
    benchmark::Initialize(&argc, argv);
    RunTimes reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::string median = "/repeats:" + std::to_string(repeats) + "_median";
    const double compare = reporter.seconds["CompareScenario" + median], floor = reporter.seconds["ReadBothGrids" + median];
    std::printf("\nScenario comparison, one species: median %.2f ms (within 20 ms: %s), %.1f x the floor of reading both "
                "grids' values once (%.2f ms)\n",
                compare * 1e3, compare <= 0.020 ? "yes" : "no", floor > 0 ? compare / floor : 0, floor * 1e3);
    benchmark::Shutdown();
    return 0;
}
