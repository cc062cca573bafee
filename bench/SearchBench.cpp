// Name search and species chooser on the 10,000-species synthetic catalogue:
// a botanic search into the visible species list (aim: 100 ms at most) and one
// chooser refill per keystroke (aim: 30 ms at most, so typing never lags).
#include "base/ApplicationFolder.h"
#include "app/frmMain.h"
#include "bench/BenchData.h"
#include "catalogue/modDatabase.h"
#include "controls/ReportList.h"
#include "factsheet/windows/frmList.h"
#include "mapping/SpeciesChooserQuery.h"
#include "mapping/windows/frmSpecies.h"
#include "search/NameSearch.h"
#include "search/windows/frmSearch.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

namespace {

// The main window on the synthetic catalogue, loaded and shown once per run.
frmMain &syntheticMain()
{
    static std::unique_ptr<frmMain> main;
    if (!main) {
        SetApplicationFolder(SyntheticApplicationFolder());
        main = std::make_unique<frmMain>();
        main->Load();
        main->show();
        QApplication::processEvents();
    }
    return *main;
}

const char *const ThreeLetters[] = {"ven", "kal", "dra"};

} // namespace

// Typing the text and pressing Ok until the list window shows the rows.
static void BM_BotanicSearchIntoVisibleList(benchmark::State &state)
{
    frmMain &main = syntheticMain();
    auto *search = new frmSearch(&main);
    search->show();
    search->txtSearch->setText(QString::fromLatin1(ThreeLetters[state.range(0)]));
    for (auto _ : state) {
        search->cmdOK->click();
        main.ListWindow()->lstTree->repaint();
    }
    state.counters["rows"] = double(main.ListWindow()->lstTree->topLevelItemCount());
    state.SetLabel(ThreeLetters[state.range(0)]);
    search->close();
    QApplication::processEvents();
}
BENCHMARK(BM_BotanicSearchIntoVisibleList)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The statement alone, to tell the catalogue's share from the list's.
static void BM_BotanicSearchQueryOnly(benchmark::State &state)
{
    syntheticMain();
    const QString text = QString::fromLatin1(ThreeLetters[state.range(0)]);
    qsizetype rows = 0;
    for (auto _ : state)
        rows = SearchBotanicNames(text).rows.size();
    state.counters["rows"] = double(rows);
    state.SetLabel(ThreeLetters[state.range(0)]);
}
BENCHMARK(BM_BotanicSearchQueryOnly)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// One keystroke in the chooser: the list is emptied and refilled for the new text.
// Typing "dram" from the empty box: "d", "dr", "dra", "dram"; the first letters
// match the most species.
static void BM_ChooserRefillPerKeystroke(benchmark::State &state)
{
    syntheticMain();
    QWidget owner;
    frmSpecies chooser(&owner);
    chooser.show();
    QApplication::processEvents();
    const QString typed = QStringLiteral("dram").left(int(state.range(0)));
    const QString before = typed.left(typed.size() - 1);
    for (auto _ : state) {
        state.PauseTiming();
        chooser.txtSpecies->setText(before);
        QApplication::processEvents();
        state.ResumeTiming();
        chooser.txtSpecies->setText(typed); // the keystroke: refills the list
        chooser.lstSpecies->repaint();
    }
    state.counters["rows"] = double(chooser.lstSpecies->topLevelItemCount());
    state.SetLabel(("\"" + typed + "\"").toStdString());
}
BENCHMARK(BM_ChooserRefillPerKeystroke)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);

// Deleting the last letter lists every species again: the largest refill.
static void BM_ChooserRefillAllSpecies(benchmark::State &state)
{
    syntheticMain();
    QWidget owner;
    frmSpecies chooser(&owner);
    chooser.show();
    for (auto _ : state) {
        state.PauseTiming();
        chooser.txtSpecies->setText(QStringLiteral("v"));
        QApplication::processEvents();
        state.ResumeTiming();
        chooser.txtSpecies->clear();
        chooser.lstSpecies->repaint();
    }
    state.counters["rows"] = double(chooser.lstSpecies->topLevelItemCount());
}
BENCHMARK(BM_ChooserRefillAllSpecies)->Unit(benchmark::kMillisecond);

static void BM_ChooserQueryOnly(benchmark::State &state)
{
    syntheticMain();
    const QString typed = QStringLiteral("dram").left(int(state.range(0)));
    qsizetype rows = 0;
    for (auto _ : state)
        rows = QuerySpeciesChooser(typed).size();
    state.counters["rows"] = double(rows);
    state.SetLabel(("\"" + typed + "\"").toStdString());
}
BENCHMARK(BM_ChooserQueryOnly)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
