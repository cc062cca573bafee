// Places: the Find Place box's search at every keystroke over every name and
// alternate name of the bundled index, beside the floor of a plain linear scan
// of the folded names in the same run; reading the index beside reading its
// bytes; and the province of every grid point of the sample grid beside the
// country assignment of the same grid.
//
// Targets: a keystroke at most 5 ms, the index read in at most 50 ms, the
// provinces of a grid in at most 1 s. One run (Release, 2 shared cores, load 3.5 to 4.6):
//   Find Place, a keystroke           0.66 ms   0.75 x (linear scan of the folded names, 0.89 ms)
//   reading the index (3.1 MB)        0.37 ms   2.6 x  (reading its bytes)
//   provinces of the sample grid      12.5 ms   2.0 x  (countries of the same grid, 6.2 ms)
#include "analysis/CountryAssignment.h"
#include "analysis/MapData.h"
#include "analysis/ProvinceAssignment.h"
#include "bench/RunTimes.h"
#include "places/PlaceKey.h"
#include "places/PlaceSearch.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

const QString Folder = QStringLiteral(SILVARIA_SOURCE_DIR "/data/ShapeFiles/");

const PlaceIndex &places()
{
    static const PlaceIndex index = PlaceIndex::read(Folder + QStringLiteral("places.idx"));
    return index;
}

// What a user types, one keystroke at a time: Latin, Vietnamese and Thai names.
QStringList keystrokes()
{
    QStringList typed;
    for (const QString &name : {QStringLiteral("chiang mai"), QStringLiteral("Đà Lạt"), QStringLiteral("kabupaten sleman"),
                                QStringLiteral("เชียงใหม่"), QStringLiteral("san jose")})
        for (qsizetype n = 1; n <= name.size(); ++n)
            typed << name.left(n);
    return typed;
}

void FindPlaceKeystroke(benchmark::State &state)
{
    const QStringList typed = keystrokes();
    std::size_t found = 0;
    for (auto _ : state)
        for (const QString &text : typed)
            found += FindPlaces(places(), text, QString(), 12).size();
    benchmark::DoNotOptimize(found);
    state.SetItemsProcessed(state.iterations() * typed.size());
    state.counters["keystrokes"] = double(typed.size());
}

// The floor: the typed text folded, then every folded name looked at in turn.
void LinearScanKeystroke(benchmark::State &state)
{
    const QStringList typed = keystrokes();
    const PlaceIndex &index = places();
    std::size_t found = 0;
    for (auto _ : state)
        for (const QString &text : typed) {
            const QString key = FoldPlaceName(text).key;
            for (std::uint32_t n = 0; n < index.nameCount(); ++n)
                found += index.keys().mid(index.keyStart(n), index.keyLength(n)).contains(key);
        }
    benchmark::DoNotOptimize(found);
    state.SetItemsProcessed(state.iterations() * typed.size());
}

void ReadIndex(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(PlaceIndex::read(Folder + QStringLiteral("places.idx")).placeCount());
}

void ReadIndexBytes(benchmark::State &state)
{
    for (auto _ : state) {
        QFile file(Folder + QStringLiteral("places.idx"));
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll().size());
    }
}

const MapData &maps()
{
    static const MapData data = MapData::load(Folder);
    return data;
}

void ProvincesOfGrid(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(AssignProvinces(*maps().canvas->data(), *maps().provinces->data()).index.size());
}

void CountriesOfGrid(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CountryAssignment::compute(*maps().canvas->data(), *maps().boundaries->data()).index.size());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::RegisterBenchmark("FindPlaceKeystroke", FindPlaceKeystroke)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("LinearScanKeystroke", LinearScanKeystroke)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ReadIndex", ReadIndex)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ReadIndexBytes", ReadIndexBytes)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ProvincesOfGrid", ProvincesOfGrid)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CountriesOfGrid", CountriesOfGrid)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    RunTimes reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto &s = reporter.seconds;
    const double keys = double(keystrokes().size());
    const auto ratio = [](double a, double b) { return b > 0 ? a / b : 0; };
    std::printf("\n%u places, %u names\n", places().placeCount(), places().nameCount());
    std::printf("Find Place: %.3f ms a keystroke (target 5 ms), %.2f x the linear scan of the folded names (%.3f ms)\n",
                s["FindPlaceKeystroke"] * 1e3 / keys, ratio(s["FindPlaceKeystroke"], s["LinearScanKeystroke"]),
                s["LinearScanKeystroke"] * 1e3 / keys);
    std::printf("index read: %.1f ms (target 50 ms), %.2f x reading its bytes (%.2f ms)\n", s["ReadIndex"] * 1e3,
                ratio(s["ReadIndex"], s["ReadIndexBytes"]), s["ReadIndexBytes"] * 1e3);
    std::printf("provinces of the sample grid: %.0f ms (target 1 s), %.2f x the countries of the same grid (%.0f ms)\n",
                s["ProvincesOfGrid"] * 1e3, ratio(s["ProvincesOfGrid"], s["CountriesOfGrid"]), s["CountriesOfGrid"] * 1e3);
    benchmark::Shutdown();
    return 0;
}
