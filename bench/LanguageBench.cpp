// A change of language with every window open, beside its floor measured in
// the same run: one pass of retranslation (every window told of a language
// change) with the same translators already loaded. And start-up (the main
// window built and loaded) in English, without translators, and in a
// language whose translators are installed.
//
// One run (RelWithDebInfo, 2 cores shared with other builds, sample data, all
// windows open; medians of 3), wall time:
//   retranslate pass, same translators (floor)   55.7 ms
//   change of language (id <-> vi)               70.1 ms   1.26 x the floor
//   start-up, English without translators        12.0 ms
//   start-up, a language with its translators    12.9 ms   1.07 x English
#include "app/MainCommands.h"
#include "app/frmMain.h"
#include "base/ApplicationFolder.h"
#include "base/InterfaceLanguage.h"
#include "catalogue/CurrentSpecies.h"
#include "catalogue/modDatabase.h"
#include "mapping/windows/MapControl.h"
#include "mapping/windows/frmMap.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <QTranslator>

namespace {

// The application folder the build assembles, with the compiled translations.
void useBuiltApplicationFolder()
{
    static const bool once = [] {
        SetApplicationFolder(QStringLiteral(SILVARIA_BINARY_DIR "/bin"));
        OpenCatalogue();
        return true;
    }();
    (void)once;
}

// A message a window shows while it opens is printed and closed, so the run goes on.
void closeMessages()
{
    auto *watch = new QTimer(qApp);
    QObject::connect(watch, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            std::fprintf(stderr, "closed a message: %s\n", qPrintable(box->text()));
            box->done(QMessageBox::Ok);
        }
    });
    watch->start(50);
}

// The main window with every other window open on it, once for the run.
frmMain &everyWindowOpen()
{
    static frmMain *main = [] {
        useBuiltApplicationFolder();
        closeMessages();
        auto *window = new frmMain;
        window->Load();
        SetCurrentSpID(QStringLiteral("1")); // a species with all three ranges
        window->show();
        const MainCommands *menu = window->commands();
        for (QAction *command : {menu->menuTM, menu->menuTMC, menu->menuArea, menu->menuCount, menu->menuShift,
                                 menu->menuISR, menu->menuSearch, menu->menuAbout, menu->menuAD, menu->menuGlossary}) {
            command->trigger();
            QApplication::processEvents(); // the map draws and fills its range boxes, which the analyses read
        }
        return window;
    }();
    return *main;
}

// Delivers the posted language changes and the caption fits queued after them.
void settle()
{
    QApplication::processEvents();
    QApplication::processEvents();
}

// A translator that has every text (its own source), so each lookup finds one.
class EchoLanguage : public QTranslator {
public:
    QString translate(const char *, const char *source, const char *, int) const override { return QString::fromUtf8(source); }
    bool isEmpty() const override { return false; }
};

} // namespace

// Start-up: the main window built and loaded (trees, list and fact sheet),
// in English and under an installed language whose translator answers every
// text. Registered first: the other benchmarks keep a main window open.
static void BM_StartUp(benchmark::State &state)
{
    useBuiltApplicationFolder();
    EchoLanguage echo;
    SetApplicationLanguage(state.range(0) ? QStringLiteral("id") : QStringLiteral("en"));
    if (state.range(0))
        QCoreApplication::installTranslator(&echo);
    settle();
    for (auto _ : state) {
        auto *main = new frmMain;
        main->Load();
        delete main;
    }
    state.SetLabel(state.range(0) ? "with translators" : "English, no translators");
    QCoreApplication::removeTranslator(&echo);
    SetApplicationLanguage(QStringLiteral("en"));
}
BENCHMARK(BM_StartUp)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The floor: every window retranslated with the translators already loaded.
static void BM_Floor_RetranslatePass(benchmark::State &state)
{
    everyWindowOpen();
    SetApplicationLanguage(QStringLiteral("id"));
    settle();
    for (auto _ : state) {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            QEvent change(QEvent::LanguageChange);
            QCoreApplication::sendEvent(window, &change);
        }
        settle();
    }
}
BENCHMARK(BM_Floor_RetranslatePass)->Unit(benchmark::kMillisecond);

// View > Language with every window open: the other language's translators
// loaded and installed, every window retranslated and its captions fitted.
static void BM_SwitchLanguage(benchmark::State &state)
{
    everyWindowOpen();
    bool indonesian = false;
    for (auto _ : state) {
        indonesian = !indonesian;
        SetApplicationLanguage(indonesian ? QStringLiteral("id") : QStringLiteral("vi"));
        settle();
    }
}
BENCHMARK(BM_SwitchLanguage)->Unit(benchmark::kMillisecond);

