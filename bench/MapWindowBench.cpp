// One frame of the suitability map window on the sample map: the catalogue
// query, four class filters over the grid and the drawing, at zoom levels 1 and 9.
#include "base/ApplicationFolder.h"
#include "analysis/windows/PlantingList.h"
#include "app/frmMain.h"
#include "catalogue/CurrentSpecies.h"
#include "catalogue/modDatabase.h"
#include "mapping/windows/MapNavigator.h"
#include "mapping/windows/MapControl.h"
#include "bench/BenchData.h"
#include "controls/ReportList.h"
#include "mapping/windows/frmIdentifyEngine.h"
#include "mapping/windows/frmMap.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>

#include <cmath>

static void BM_MapWindowFrame(benchmark::State &state)
{
    const int zoomLevel = int(state.range(0));
    SetApplicationFolder(QStringLiteral(SILVARIA_SOURCE_DIR "/data"));
    OpenCatalogue();
    frmMain main;
    SetCurrentSpID(QStringLiteral("2")); // a species with all three ranges
    auto *map = new frmMap(&main);
    map->show();
    for (QCheckBox *box : {map->chkLayerALT, map->chkLayerMAR, map->chkLayerMAT, map->chkLayerMap})
        box->setChecked(true);
    MapExtent extent = map->mapTree->fullExtent();
    extent.ScaleRectangle(std::pow(0.75, zoomLevel - 1));
    map->mapTree->setExtent(extent);
    map->navigator->setZoomLevel(zoomLevel);
    for (auto _ : state)
        benchmark::DoNotOptimize(map->mapTree->render(map->mapTree->size()));
    state.counters["pixels"] = double(map->mapTree->width() * map->mapTree->height());
}
BENCHMARK(BM_MapWindowFrame)->Arg(1)->Arg(9)->Unit(benchmark::kMillisecond);

// A click with the Suitable Tree Species tool on the 10,000-species synthetic
// catalogue, from the click to the filled window.
static void BM_FindSuitableSpecies_10k(benchmark::State &state)
{
    const QString folder = SyntheticApplicationFolder();
    QFile::link(QStringLiteral(SILVARIA_SOURCE_DIR "/data/ShapeFiles"), folder + QStringLiteral("/ShapeFiles"));
    SetApplicationFolder(folder);
    OpenCatalogue();
    frmMain main;
    SetCurrentSpID(QStringLiteral("1"));
    auto *map = new frmMap(&main);
    map->show();
    // A lowland point in the middle of the map, where many species suit.
    const QPointF click(map->mapTree->width() * 0.45, map->mapTree->height() * 0.6);
    int species = 0;
    for (auto _ : state) {
        frmIdentifyEngine *window = frmIdentifyEngine::FindSuitableSpecies(map->mapTree, click.x(), click.y(), map,
                                                                                NearMissesFromCatalogue);
        species = window ? window->lstSTS->topLevelItemCount() : 0;
        QApplication::processEvents();
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
    state.counters["species"] = species;
}
BENCHMARK(BM_FindSuitableSpecies_10k)->Unit(benchmark::kMillisecond);
