// One frame of the suitability map window on the sample map: the catalogue
// query, four class filters over the grid and the drawing, at zoom levels 1 and 9.
#include "app/ApplicationFolder.h"
#include "app/frmMain.h"
#include "catalogue/CurrentSpecies.h"
#include "catalogue/modDatabase.h"
#include "mapping/MapControl.h"
#include "mapping/frmMap.h"

#include <benchmark/benchmark.h>

#include <QCheckBox>

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
    map->zoomLevel = zoomLevel;
    for (auto _ : state)
        benchmark::DoNotOptimize(map->mapTree->render(map->mapTree->size()));
    state.counters["pixels"] = double(map->mapTree->width() * map->mapTree->height());
}
BENCHMARK(BM_MapWindowFrame)->Arg(1)->Arg(9)->Unit(benchmark::kMillisecond);
