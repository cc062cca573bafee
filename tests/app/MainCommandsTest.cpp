// The menu bar and toolbar of the main window.
#include "app/MainCommands.h"
#include "app/frmMain.h"
#include "catalogue/CurrentSpecies.h"
#include "controls/ReportList.h"
#include "factsheet/windows/frmList.h"
#include "mapping/windows/frmCompare.h"
#include "mapping/windows/frmMap.h"
#include "search/windows/frmSearch.h"
#include "tests/common/LoadedMainWindow.h"
#include "tests/common/WidgetTest.h"

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QToolBar>

namespace {

class MainCommandsTest : public LoadedMainWindow {
protected:
    MainCommands *commands() { return main->commands(); }
    void click(const QString &key)
    {
        QToolBar *bar = commands()->tbrMain;
        QTest::mouseClick(bar->widgetForAction(commands()->button(key)), Qt::LeftButton);
    }
};

} // namespace

TEST_F(MainCommandsTest, ArboplotOpensANewMapEachTimeForTheCurrentSpecies)
{
    SetCurrentSpID("1");
    click("k5");
    SetCurrentSpID("2");
    commands()->menuTM->trigger();
    const QList<frmMap *> maps = TopLevelWindows<frmMap>();
    ASSERT_EQ(maps.size(), 2);
    QList<int> species{maps[0]->SpID, maps[1]->SpID};
    std::sort(species.begin(), species.end());
    EXPECT_EQ(species, (QList<int>{1, 2}));
}

TEST_F(MainCommandsTest, NextAndCloseButtonsActOnTheChildWindows)
{
    QMdiArea *area = main->mdiArea();
    commands()->menuAD->trigger();       // a second child beside the list window
    commands()->menuGlossary->trigger(); // and a third
    ASSERT_EQ(area->subWindowList().size(), 3);
    QMdiSubWindow *active = area->activeSubWindow();
    click("k10");
    EXPECT_NE(area->activeSubWindow(), active) << "Ctrl+F6 activates the next child";
    QMdiSubWindow *next = area->activeSubWindow();
    click("k9");
    EXPECT_NE(area->activeSubWindow(), next) << "k9 sends the same keys as k10";
    click("k11");
    EXPECT_TRUE(WaitUntil([&] { return area->subWindowList().size() == 2; })) << "Ctrl+F4 closes the active child";
    click("k11");
    click("k11");
    EXPECT_TRUE(WaitUntil([&] { return area->subWindowList().isEmpty(); }));
    // With no child left the buttons do nothing.
    click("k10");
    click("k11");
    EXPECT_TRUE(main->isVisible());
}
