// The menu bar and toolbar of the main window.
#include "app/MainCommands.h"
#include "app/frmMain.h"
#include "catalogue/CurrentSpecies.h"
#include "controls/ReportList.h"
#include "factsheet/frmList.h"
#include "mapping/compare/frmCompare.h"
#include "mapping/frmMap.h"
#include "search/frmSearch.h"
#include "tests/common/LoadedMainWindow.h"
#include "tests/common/WidgetTest.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
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

TEST_F(MainCommandsTest, MenusHoldTheCommandsInOrder)
{
    QStringList menus, items;
    for (QAction *menu : main->menuBar()->actions()) {
        menus << menu->text();
        for (QAction *a : menu->menu()->actions())
            items << (a->isSeparator() ? QStringLiteral("|") : a->objectName() + "=" + a->text());
    }
    EXPECT_EQ(menus, (QStringList{"File", "View", "Analysis", "Help"}));
    // The toolbar's buttons run the same actions as the menu items.
    EXPECT_EQ(commands()->button("k1"), commands()->menuBN);
    EXPECT_EQ(commands()->button("k8"), commands()->menuGlossary);
    EXPECT_EQ(items, (QStringList{"menuExit=Exit", "menuBN=Botanic Names (All)", "menuCN=Common Names (All)",
                                  "menuSearch=Search", "menuISR=Image Selected Record", "|", "menuTM=Arboplot",
                                  "menuTMC=Arboplot Comparison", "menuArea=Suitable Area by Country...",
                                  "menuCount=Species Count Map...", "menuShift=Climate Shift...", "menuAD=Introduction",
                                  "menuGlossary=Glossary", "|", "menuAbout=About"}));
    for (QAction *a : {commands()->menuExit, commands()->menuBN, commands()->menuTMC, commands()->menuAbout})
        EXPECT_FALSE(a->icon().isNull()) << a->objectName().toStdString();
}

TEST_F(MainCommandsTest, ToolbarHasElevenButtonsInFourGroups)
{
    QToolBar *bar = commands()->tbrMain;
    QStringList buttons;
    for (QAction *a : bar->actions())
        buttons << (a->isSeparator() ? QStringLiteral("|") : bar->widgetForAction(a)->objectName() + "=" + a->toolTip());
    EXPECT_EQ(buttons,
              (QStringList{"|", "k1=View Botanic Names (All)", "k2=View Common Names (All)", "k3=Search",
                           "k4=View Species Image", "|", "k5=Arboplot", "k6=Arboplot Comparison", "|", "k7=Manual",
                           "k8=Glossary", "|", "k9=Move Previous Form", "k10=Move Next Form", "k11=Close Active Form"}));
}

TEST_F(MainCommandsTest, ListButtonsRefillTheList)
{
    click("k2");
    frmList *list = main->ListWindow();
    EXPECT_EQ(list->lstTree->headerItem()->text(2), "Common Names");
    EXPECT_EQ(list->lstTree->topLevelItemCount(), 8);
    click("k1");
    EXPECT_EQ(list->lstTree->headerItem()->text(2), "Synonym Names");
    EXPECT_EQ(list->lstTree->topLevelItemCount(), 9);
}

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

TEST_F(MainCommandsTest, SingleWindowsShowAgainAndImageWindowsMultiply)
{
    commands()->menuSearch->trigger();
    click("k3");
    EXPECT_EQ(main->findChildren<frmSearch *>().size(), 1);
    commands()->menuTMC->trigger();
    click("k6");
    EXPECT_EQ(main->findChildren<frmCompare *>().size(), 1);
    commands()->menuISR->trigger();
    click("k4");
    EXPECT_EQ(main->findChildren<QWidget *>("frmImage").size(), 2);
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
