// Opening the catalogue: the shipped SQLite file, a published Access file read
// through libmdb, and the 10,000-species synthetic catalogue.
#include "bench/BenchData.h"
#include "catalogue/modDatabase.h"

#include <benchmark/benchmark.h>

static void BM_OpenShippedCatalogue(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Connection::OpenFile(SampleCatalogue()));
}
BENCHMARK(BM_OpenShippedCatalogue)->Unit(benchmark::kMillisecond);

static void BM_OpenJetCatalogue(benchmark::State &state)
{
    const QString file = PublishedJetFile();
    if (file.isEmpty()) {
        state.SkipWithError("the npm registry cannot be reached for the Access file");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(Connection::OpenFile(file));
}
BENCHMARK(BM_OpenJetCatalogue)->Unit(benchmark::kMillisecond);

static void BM_OpenSyntheticCatalogue(benchmark::State &state)
{
    const QString file = SyntheticApplicationFolder() + QStringLiteral("/Database/dbsilvar.mdb");
    for (auto _ : state)
        benchmark::DoNotOptimize(Connection::OpenFile(file));
}
BENCHMARK(BM_OpenSyntheticCatalogue)->Unit(benchmark::kMillisecond);
