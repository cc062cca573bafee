#pragma once
#include <QObject>
#include <QString>

#include <utility>
#include <vector>

class FindPlaceBox;
class LanguageMenu;
class QAction;
struct Place;
class QMenu;
class QToolBar;
class frmMain;

// The menu bar and toolbar of the main window and what each command does.
// Windows that exist once are loaded on first use and shown again later;
// photo and map windows are created anew on every use.
class MainCommands : public QObject {
    Q_OBJECT
public:
    explicit MainCommands(frmMain *main);
    // Sets every menu caption and tool tip in the current language.
    void retranslate();

    // Runs the action of a toolbar button by its key ("k1" ... "k11"); any other
    // key does nothing.
    void tbrMain_ButtonClick(const QString &key);
    QAction *button(const QString &key) const;

    QMenu *menuFile, *menuView, *menuHelp;
    // Analysis: suitable area by country, species count map, climate shift, site report.
    QMenu *menuAnalysis;
    QAction *menuArea, *menuCount, *menuShift, *menuReport;
    void menuReport_Click();
    void menuArea_Click();
    void menuCount_Click();
    void menuShift_Click();
    QAction *menuExit, *menuBN, *menuCN, *menuSearch, *menuISR, *menuTM, *menuTMC, *menuAD, *menuGlossary, *menuAbout;
    LanguageMenu *menuLanguage; // View > Language
    QToolBar *tbrMain;
    // At the toolbar's end: a place chosen there is shown on the active map
    // (a new one when none is open) with the species suitable there.
    FindPlaceBox *txtFindPlace;
    void ShowPlace(const Place &place);

    void menuBN_Click();
    void menuCN_Click();
    void menuSearch_Click();
    void menuISR_Click();
    void menuTM_Click();
    void menuTMC_Click();
    void menuAD_Click();
    void menuGlossary_Click();
    void menuAbout_Click();

private:
    void buildMenus();
    void buildToolbar();
    void sendKeys(const QString &script);

    frmMain *m_main;
    std::vector<std::pair<QAction *, const char *>> m_toolTips; // toolbar actions and their untranslated tips
};
