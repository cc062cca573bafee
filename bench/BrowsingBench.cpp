// Browsing: start-up to the first view, the fact sheet, and the biggest list.
#include "base/ApplicationFolder.h"
#include "app/frmMain.h"
#include "bench/BenchData.h"
#include "catalogue/SpeciesLists.h"
#include "catalogue/modDatabase.h"
#include "app/modLoadList.h"
#include "factsheet/FactSheet.h"
#include "controls/ReportList.h"
#include "factsheet/windows/frmList.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTextDocument>
#include <QTextEdit>

namespace {

void useSampleFolder() { SetApplicationFolder(QStringLiteral(SILVARIA_SOURCE_DIR "/data")); }

// The species with the longest fact sheet in the open catalogue.
QString longestSheetSpecies()
{
    QString best;
    qsizetype longest = -1;
    for (RecordSet rs = CatalogueConnection().Open("SELECT SpID FROM Species"); !rs.isEOF(); rs.moveNext()) {
        try {
            const qsizetype size = BuildFactSheet(rs.text("SpID")).size();
            if (size > longest) {
                longest = size;
                best = rs.text("SpID");
            }
        } catch (...) {
        }
    }
    return best;
}

} // namespace

// Everything the main window's load does, then showing it and painting once.
static void BM_StartupToFirstView(benchmark::State &state)
{
    useSampleFolder();
    for (auto _ : state) {
        frmMain main;
        main.Load();
        main.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(main.ListWindow());
    }
}
BENCHMARK(BM_StartupToFirstView)->Unit(benchmark::kMillisecond);

static void BM_ViewInRichAndColorize_LongestSample(benchmark::State &state)
{
    useSampleFolder();
    OpenCatalogue();
    const QString spId = longestSheetSpecies();
    frmList list;
    for (auto _ : state) {
        list.ViewInRich(spId);
        list.Colorize();
    }
    state.counters["chars"] = double(list.richDetail->toPlainText().size());
}
BENCHMARK(BM_ViewInRichAndColorize_LongestSample)->Unit(benchmark::kMillisecond);

static void BM_Colorize_200KB(benchmark::State &state)
{
    useSampleFolder();
    OpenCatalogue();
    QString sheet = FactSheetDisplayText(BuildFactSheet(longestSheetSpecies()));
    while (sheet.size() < 200 * 1024)
        sheet += sheet;
    sheet.truncate(200 * 1024);
    for (auto _ : state) {
        state.PauseTiming();
        QTextDocument doc;
        doc.setPlainText(sheet);
        state.ResumeTiming();
        ColorizeFactSheet(&doc);
    }
}
BENCHMARK(BM_Colorize_200KB)->Unit(benchmark::kMillisecond);

// The botanic list of the synthetic catalogue: the query alone, then into the visible list.
static void BM_BotanicListQuery_10k(benchmark::State &state)
{
    SetApplicationFolder(SyntheticApplicationFolder());
    OpenCatalogue();
    qsizetype rows = 0;
    for (auto _ : state)
        rows = QueryBotanicList(QString(), ListAll).rows.size();
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_BotanicListQuery_10k)->Unit(benchmark::kMillisecond);

static void BM_LoadBotanicList_10k(benchmark::State &state)
{
    SetApplicationFolder(SyntheticApplicationFolder());
    frmMain main;
    OpenCatalogue();
    main.show();
    for (auto _ : state) {
        LoadBotanicList(QString(), ListAll);
        QApplication::processEvents(); // paint the visible rows
    }
    state.counters["rows"] = double(main.ListWindow()->lstTree->topLevelItemCount());
}
BENCHMARK(BM_LoadBotanicList_10k)->Unit(benchmark::kMillisecond);
