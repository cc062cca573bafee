// The analysis windows on the sample data, each beside a floor measured in
// the same run: drawing the same map with no classes (boundaries only) at the
// same size.
//
// One run (RelWithDebInfo, 2 cores shared with other builds, load 7.9), wall
// time and ratio to the floor (an empty map drawn: 2.33 ms):
//   species count map, first of a run   66.0 ms   28 x  (grid climate read and prepared once)
//   species count map, opened again      9.0 ms   3.9 x
//   redraw after a change of use         7.3 ms   3.1 x
//   area table, first of a run          21.9 ms   9.4 x (countries assigned once)
//   area table again                     2.6 ms   1.1 x
//   climate shift after a change of dT   4.7 ms   2.0 x
#include "analysis/AnalysisInputs.h"
#include "analysis/windows/AnalysisMapView.h"
#include "analysis/windows/AnalysisSubject.h"
#include "analysis/windows/frmClimateShift.h"
#include "analysis/windows/frmCountryArea.h"
#include "analysis/windows/frmSpeciesCount.h"
#include "app/frmMain.h"
#include "base/ApplicationFolder.h"
#include "catalogue/CurrentSpecies.h"
#include "catalogue/modDatabase.h"
#include "mapping/windows/MapControl.h"

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QLineEdit>

namespace {

frmMain &mainWindow()
{
    static frmMain *main = [] {
        SetApplicationFolder(QStringLiteral(SILVARIA_SOURCE_DIR "/data"));
        OpenCatalogue();
        SetCurrentSpID(QStringLiteral("2"));
        return new frmMain;
    }();
    return *main;
}

} // namespace

// The floor: a map view of the same size drawn with no classes.
static void BM_Floor_EmptyMapDraw(benchmark::State &state)
{
    auto *view = new AnalysisMapView(AnalysisInputs::ofApplication(), nullptr, &mainWindow());
    view->resize(700, 520);
    for (auto _ : state)
        benchmark::DoNotOptimize(view->map->render(view->map->size()));
    delete view;
}
BENCHMARK(BM_Floor_EmptyMapDraw)->Unit(benchmark::kMillisecond);

// Analysis > Species Count Map...: the window built, counted and drawn. The
// first of a run (registered with one iteration) also reads the grid's climate
// and prepares it for counting.
static void BM_SpeciesCount_Open(benchmark::State &state)
{
    for (auto _ : state) {
        auto *count = new frmSpeciesCount(&mainWindow());
        count->view->resize(700, 520);
        benchmark::DoNotOptimize(count->view->map->render(count->view->map->size()));
        state.PauseTiming();
        delete count;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SpeciesCount_Open)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpeciesCount_Open)->Unit(benchmark::kMillisecond);

// Another use chosen: counted again and redrawn.
static void BM_SpeciesCount_ChangeUse(benchmark::State &state)
{
    auto *count = new frmSpeciesCount(&mainWindow());
    count->view->resize(700, 520);
    int use = 0;
    for (auto _ : state) {
        count->cboUse->setCurrentIndex(use = use == 0 ? 1 : 0);
        benchmark::DoNotOptimize(count->view->map->render(count->view->map->size()));
    }
    delete count;
}
BENCHMARK(BM_SpeciesCount_ChangeUse)->Unit(benchmark::kMillisecond);

// Analysis > Suitable Area by Country...: classes, areas and the filled table.
// The first of a run (one iteration) also assigns every grid point its country.
static void BM_AreaTable(benchmark::State &state)
{
    const AnalysisSubject subject = AnalysisSubject::fromCatalogue(2);
    for (auto _ : state) {
        auto *area = new frmCountryArea(&mainWindow(), subject);
        state.PauseTiming();
        delete area;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AreaTable)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AreaTable)->Unit(benchmark::kMillisecond);

// A new ΔT in the Climate Shift window: shifted, summed and redrawn.
static void BM_ClimateShift_ChangeDT(benchmark::State &state)
{
    auto *shift = new frmClimateShift(&mainWindow());
    shift->view->resize(700, 520);
    int step = 0;
    for (auto _ : state) {
        shift->txtDT->setText(QString::number(1 + (step++ % 3)));
        shift->ShowShift();
        benchmark::DoNotOptimize(shift->view->map->render(shift->view->map->size()));
    }
    delete shift;
}
BENCHMARK(BM_ClimateShift_ChangeDT)->Unit(benchmark::kMillisecond);
