// Every window at its default size laid out as approved: each named control's
// place and size against approved/<window>.txt beside this file. A control
// moved by mistake (a wrong twip, a lost margin, a caption that no longer
// wraps) shows here. The analysis windows stand again on a scenario 3 °C
// warmer than the grid, chosen in their climate box, and a new map's identify
// shows the scenario's values. After a deliberate change,
// SILVARIA_UPDATE_APPROVED=1 build/tests/map_window_tests rewrites them.
#include "analysis/windows/ScenarioChoice.h"
#include "analysis/windows/frmClimateShift.h"
#include "analysis/windows/frmCountryArea.h"
#include "analysis/windows/frmSpeciesCount.h"
#include "app/MainCommands.h"
#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "factsheet/windows/frmList.h"
#include "mapping/windows/frmCompare.h"
#include "mapping/windows/frmIdentifyEngine.h"
#include "mapping/windows/frmIdentifyMap.h"
#include "mapping/windows/frmMap.h"
#include "photos/windows/frmImage.h"
#include "search/windows/frmSearch.h"
#include "tests/common/Approved.h"
#include "tests/common/MapWindowFixture.h"
#include "tests/common/WidgetTest.h"
#include "tools/shapefiles/ScenarioGridFile.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolBar>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QTreeView>
#include <QTreeWidget>
#include <QTest>

namespace {

// Whether `w` lies in another window than `window`: one of its own, or a
// child window inside it (each has its own layout).
bool inChildWindow(const QWidget *w, const QWidget *window)
{
    for (const QWidget *up = w; up && up != window; up = up->parentWidget())
        if (qobject_cast<const QMdiSubWindow *>(up))
            return true;
    return w->window() != window->window();
}

// What a control shows besides its place: whether it is disabled, its
// caption or text (wrapped or not, checked or not), a list's choice or rows.
QString shown(const QWidget *w)
{
    QString text = w->isEnabled() ? QString() : QStringLiteral(" disabled");
    if (const auto *label = qobject_cast<const QLabel *>(w))
        text += QStringLiteral(" \"%1\"%2").arg(label->text(), label->wordWrap() ? QStringLiteral(" wrapped") : QString());
    else if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        text += QStringLiteral(" \"%1\"%2").arg(button->text(), button->isChecked() ? QStringLiteral(" checked") : QString());
    else if (const auto *edit = qobject_cast<const QLineEdit *>(w))
        text += QStringLiteral(" \"%1\"").arg(edit->text());
    else if (const auto *box = qobject_cast<const QComboBox *>(w))
        text += QStringLiteral(" \"%1\" of %2").arg(box->currentText()).arg(box->count());
    else if (const auto *list = qobject_cast<const QTreeWidget *>(w)) // its first rows
        for (int row = 0; row < std::min(list->topLevelItemCount(), 12); ++row)
            text += QStringLiteral(" [%1]").arg(RowTexts(list, row).join(QLatin1Char('|')));
    else if (const auto *bar = qobject_cast<const QToolBar *>(w))
        text += QStringLiteral(" icons %1x%2").arg(bar->iconSize().width()).arg(bar->iconSize().height());
    return text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

// One line per named control shown: its name, place in the window and size
// (a list's also its columns' widths) and what it shows.
QString layoutOf(const QWidget *window)
{
    QStringList lines;
    for (const QWidget *w : window->findChildren<QWidget *>())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) && w->isVisibleTo(window) &&
            !inChildWindow(w, window)) {
            const QPoint at = w->mapTo(window, QPoint(0, 0));
            lines << QStringLiteral("%1 %2,%3 %4x%5").arg(w->objectName()).arg(at.x()).arg(at.y()).arg(w->width()).arg(w->height());
            if (const auto *list = qobject_cast<const QTreeView *>(w)) // and its columns' widths, and a tree's indent
                for (int c = 0; c < list->header()->count(); ++c)
                    lines.last() += QStringLiteral(" %1").arg(list->header()->sectionSize(c)) + QString(c ? 0 : list->rootIsDecorated(), QLatin1Char('>'));
            lines.last() += shown(w);
        }
    lines.sort();
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

using WindowLayouts = MapWindowsTest;

TEST_F(WindowLayouts, EveryWindowStandsAsApproved)
{
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    frmMap *map = openMap(QStringLiteral("1"));
    ClickTool(map, QStringLiteral("k5"));
    const MainCommands *menu = main->commands();
    const auto expectApproved = [](const char *name, QWidget *window) {
        ASSERT_TRUE(window) << name << " did not open";
        ExpectApproved(QStringLiteral(SILVARIA_SOURCE_DIR "/tests/mapping/approved/%1.txt").arg(QLatin1String(name)), layoutOf(window).toUtf8());
    };
    const std::pair<const char *, QWidget *> windows[] = {
        {"main", main},
        {"species-list", main->ListWindow()},
        {"map", map},
        {"suitable-species", Opened<frmIdentifyEngine>([&] { ClickAt(map->mapTree, 5); })},
        {"comparison", Opened<frmCompare>([&] { menu->menuTMC->trigger(); })},
        {"area-by-country", Opened<frmCountryArea>([&] { menu->menuArea->trigger(); })},
        {"species-count", Opened<frmSpeciesCount>([&] { menu->menuCount->trigger(); })},
        {"climate-shift", Opened<frmClimateShift>([&] { menu->menuShift->trigger(); })},
        {"photos", Opened<frmImage>([&] { menu->menuISR->trigger(); })},
        {"search", Opened<frmSearch>([&] { menu->menuSearch->trigger(); })},
        {"about", Opened<frmAbout>([&] { menu->menuAbout->trigger(); })},
        {"point", Opened<frmIdentifyMap>([&] { ClickTool(map, QStringLiteral("k4")), ClickAt(map->mapTree, 5); })}};
    for (const auto &[name, window] : windows)
        expectApproved(name, window);

    WriteScenarioGrid(fixture.folder() + "/ShapeFiles", "GCM-1_ssp245_2041-2060", [](GridPointWriter::Point &p, std::uint32_t) { p.mat += 3; });
    const auto chosen = [](auto *window) -> QWidget * { return QTest::keyClick(window->cboClimate, Qt::Key_Down), QApplication::processEvents(), window; };
    expectApproved("climate-shift-scenario", chosen(Opened<frmClimateShift>([&] { menu->menuShift->trigger(); })));
    expectApproved("species-count-scenario", chosen(Opened<frmSpeciesCount>([&] { menu->menuCount->trigger(); })));
    expectApproved("point-scenario", Opened<frmIdentifyMap>([&] { frmMap *again = openMap("1"); ClickTool(again, "k4"), ClickAt(again->mapTree, 5); }));
}

} // namespace
