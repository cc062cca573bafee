#include "app/MainCommands.h"

#include "analysis/windows/PlantingList.h"
#include "analysis/windows/frmClimateShift.h"
#include "analysis/windows/frmCountryArea.h"
#include "analysis/windows/frmSpeciesCount.h"
#include "app/frmAbout.h"
#include "app/frmGlossary.h"
#include "app/frmHelp.h"
#include "app/LanguageMenu.h"
#include "app/frmMain.h"
#include "app/modLoadList.h"
#include "controls/Icons.h"
#include "controls/ShowError.h"
#include "controls/ToolbarButtons.h"
#include "keys/SendKeysError.h"
#include "keys/clsSendKeys.h"
#include "mapping/windows/frmCompare.h"
#include "mapping/windows/frmMap.h"
#include "places/windows/FindPlaceBox.h"
#include "photos/windows/frmImage.h"
#include "report/windows/frmSiteReport.h"
#include "search/windows/frmSearch.h"

#include <QAction>
#include <QIcon>
#include <QMenuBar>
#include <QToolBar>

namespace {

QIcon icon(const char *name) { return QIcon(QStringLiteral(":/icons/%1.png").arg(QString::fromLatin1(name))); }

QAction *item(QMenu *menu, const char *objectName, const QIcon &icon)
{
    QAction *action = menu->addAction(icon, QString());
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

} // namespace

MainCommands::MainCommands(frmMain *main) : QObject(main), m_main(main)
{
    Q_INIT_RESOURCE(icons);
    buildMenus();
    buildToolbar();
    retranslate();
}

void MainCommands::retranslate()
{
    menuFile->setTitle(tr("File"));
    menuExit->setText(tr("Exit"));
    menuView->setTitle(tr("View"));
    menuBN->setText(tr("Botanic Names (All)"));
    menuCN->setText(tr("Common Names (All)"));
    menuSearch->setText(tr("Search"));
    menuISR->setText(tr("Image Selected Record"));
    menuTM->setText(tr("Arboplot"));
    menuTMC->setText(tr("Arboplot Comparison"));
    menuAnalysis->setTitle(tr("Analysis"));
    menuArea->setText(tr("Suitable Area by Country..."));
    menuCount->setText(tr("Species Count Map..."));
    menuShift->setText(tr("Climate Shift..."));
    menuReport->setText(tr("Site Report..."));
    menuHelp->setTitle(tr("Help"));
    menuAD->setText(tr("Introduction"));
    menuGlossary->setText(tr("Glossary"));
    menuAbout->setText(tr("About"));
    for (const auto &[action, toolTip] : m_toolTips) {
        if (action->parent() == this) // the window-switching buttons' own actions
            action->setText(tr(toolTip));
        action->setToolTip(tr(toolTip));
    }
}

void MainCommands::buildMenus()
{
    QMenuBar *bar = m_main->menuBar();
    bar->clear();
    const QList<QIcon> pane = OutlookBarIcons();
    menuFile = bar->addMenu(QString());
    menuFile->setObjectName(QStringLiteral("menuFile"));
    menuExit = item(menuFile, "menuExit", icon("exit"));

    menuView = bar->addMenu(QString());
    menuView->setObjectName(QStringLiteral("menuView"));
    menuBN = item(menuView, "menuBN", pane[0]);
    menuCN = item(menuView, "menuCN", pane[1]);
    menuSearch = item(menuView, "menuSearch", icon("search"));
    menuISR = item(menuView, "menuISR", icon("image"));
    menuView->addSeparator()->setObjectName(QStringLiteral("menuSep3"));
    menuTM = item(menuView, "menuTM", icon("map"));
    menuTMC = item(menuView, "menuTMC", ComparisonIcon());
    menuView->addSeparator()->setObjectName(QStringLiteral("menuSep4"));
    menuLanguage = new LanguageMenu(menuView);
    menuView->addMenu(menuLanguage);

    menuAnalysis = bar->addMenu(QString());
    menuAnalysis->setObjectName(QStringLiteral("menuAnalysis"));
    menuArea = item(menuAnalysis, "menuArea", icon("map"));
    menuCount = item(menuAnalysis, "menuCount", icon("map"));
    menuShift = item(menuAnalysis, "menuShift", icon("map"));
    menuReport = item(menuAnalysis, "menuReport", icon("map"));
    connect(menuReport, &QAction::triggered, this, &MainCommands::menuReport_Click);
    connect(menuArea, &QAction::triggered, this, &MainCommands::menuArea_Click);
    connect(menuCount, &QAction::triggered, this, &MainCommands::menuCount_Click);
    connect(menuShift, &QAction::triggered, this, &MainCommands::menuShift_Click);

    menuHelp = bar->addMenu(QString());
    menuHelp->setObjectName(QStringLiteral("menuHelp"));
    menuAD = item(menuHelp, "menuAD", icon("manual"));
    menuGlossary = item(menuHelp, "menuGlossary", icon("glossary"));
    menuHelp->addSeparator()->setObjectName(QStringLiteral("menuSep2"));
    menuAbout = item(menuHelp, "menuAbout", icon("about"));

    connect(menuExit, &QAction::triggered, m_main, &frmMain::menuExit);
    connect(menuBN, &QAction::triggered, this, &MainCommands::menuBN_Click);
    connect(menuCN, &QAction::triggered, this, &MainCommands::menuCN_Click);
    connect(menuSearch, &QAction::triggered, this, &MainCommands::menuSearch_Click);
    connect(menuISR, &QAction::triggered, this, &MainCommands::menuISR_Click);
    connect(menuTM, &QAction::triggered, this, &MainCommands::menuTM_Click);
    connect(menuTMC, &QAction::triggered, this, &MainCommands::menuTMC_Click);
    connect(menuAD, &QAction::triggered, this, &MainCommands::menuAD_Click);
    connect(menuGlossary, &QAction::triggered, this, &MainCommands::menuGlossary_Click);
    connect(menuAbout, &QAction::triggered, this, &MainCommands::menuAbout_Click);
}

void MainCommands::buildToolbar()
{
    tbrMain = m_main->addToolBar(QStringLiteral("Main"));
    tbrMain->setObjectName(QStringLiteral("tbrMain"));
    tbrMain->setMovable(false);
    tbrMain->setIconSize(QSize(22, 22));
    // A button with a menu command shares its action (one command, one
    // action); the window-switching buttons have actions of their own. Each
    // button keeps its key as its object name. Separators stand before k1, k5, k7 and k9.
    const struct {
        const char *key;
        const char *tooltip;
        QAction *command;
        const char *icon;
        bool separatorBefore;
    } buttons[] = {
        {"k1", QT_TR_NOOP("View Botanic Names (All)"), menuBN, nullptr, true},
        {"k2", QT_TR_NOOP("View Common Names (All)"), menuCN, nullptr, false},
        {"k3", QT_TR_NOOP("Search"), menuSearch, nullptr, false},
        {"k4", QT_TR_NOOP("View Species Image"), menuISR, nullptr, false},
        {"k5", QT_TR_NOOP("Arboplot"), menuTM, nullptr, true},
        {"k6", QT_TR_NOOP("Arboplot Comparison"), menuTMC, nullptr, false},
        {"k7", QT_TR_NOOP("Manual"), menuAD, nullptr, true},
        {"k8", QT_TR_NOOP("Glossary"), menuGlossary, nullptr, false},
        {"k9", QT_TR_NOOP("Move Previous Form"), nullptr, "previous", true},
        {"k10", QT_TR_NOOP("Move Next Form"), nullptr, "next", false},
        {"k11", QT_TR_NOOP("Close Active Form"), nullptr, "close", false},
    };
    for (const auto &b : buttons) {
        if (b.separatorBefore)
            tbrMain->addSeparator();
        const QString key = QString::fromLatin1(b.key);
        QAction *action = b.command;
        if (!action) {
            action = new QAction(icon(b.icon), QString(), this);
            connect(action, &QAction::triggered, this, [this, key] { tbrMain_ButtonClick(key); });
        }
        m_toolTips.push_back({action, b.tooltip});
        action->setData(key);
        tbrMain->addAction(action);
        tbrMain->widgetForAction(action)->setObjectName(key);
    }
    tbrMain->addSeparator();
    txtFindPlace = new FindPlaceBox(tbrMain);
    txtFindPlace->setFixedWidth(260);
    tbrMain->addWidget(txtFindPlace);
    connect(txtFindPlace, &FindPlaceBox::placeChosen, this, &MainCommands::ShowPlace);
}

void MainCommands::ShowPlace(const Place &place)
{
    frmMap *map = frmMap::LastActive();
    if (!map) {
        map = new frmMap(m_main, NearMissesFromCatalogue);
        map->show();
    }
    map->raise();
    map->activateWindow();
    map->ShowPlace(place);
}

QAction *MainCommands::button(const QString &key) const { return ButtonByKey(tbrMain, key); }

void MainCommands::tbrMain_ButtonClick(const QString &key)
{
    if (key == QLatin1String("k1")) menuBN_Click();
    else if (key == QLatin1String("k2")) menuCN_Click();
    else if (key == QLatin1String("k3")) menuSearch_Click();
    else if (key == QLatin1String("k4")) menuISR_Click();
    else if (key == QLatin1String("k5")) menuTM_Click();
    else if (key == QLatin1String("k6")) menuTMC_Click();
    else if (key == QLatin1String("k7")) menuAD_Click();
    else if (key == QLatin1String("k8")) menuGlossary_Click();
    else if (key == QLatin1String("k9") || key == QLatin1String("k10")) sendKeys(QStringLiteral("~({F6})"));
    else if (key == QLatin1String("k11")) sendKeys(QStringLiteral("~({F4})"));
}

void MainCommands::sendKeys(const QString &script)
{
    try {
        clsSendKeys sender;
        sender.SendKeys(script, false);
    } catch (const SendKeysError &e) {
        ShowError(m_main, QStringLiteral("Silvaria"), e);
    }
}

void MainCommands::menuBN_Click() { LoadBotanicList(QString(), ListAll); }

void MainCommands::menuCN_Click() { LoadCommonList(QString(), ListAll); }

void MainCommands::menuSearch_Click()
{
    m_main->ShowSingle(QStringLiteral("frmSearch"), [this] { return new frmSearch(m_main); }, WindowPlace::OwnWindow);
}

void MainCommands::menuISR_Click()
{
    auto *photos = new frmImage(m_main);
    photos->show();
}

void MainCommands::menuTM_Click()
{
    auto *map = new frmMap(m_main, NearMissesFromCatalogue);
    map->show();
}

void MainCommands::menuTMC_Click()
{
    try {
        m_main->ShowSingle(QStringLiteral("frmCompare"), [this] { return new frmCompare(m_main); }, WindowPlace::OwnWindow);
    } catch (const std::exception &) {
        // The window reports its own load errors once it shows; a failure to
        // show it at all leaves the main window as it was.
    }
}

// The analysis windows are new on every use; one that cannot open says why.
void MainCommands::menuArea_Click() { frmCountryArea::Open(m_main); }

void MainCommands::menuCount_Click()
{
    try {
        (new frmSpeciesCount(m_main))->show();
    } catch (const std::exception &e) {
        ShowError(m_main, tr("Species Count Map"), e);
    }
}

void MainCommands::menuShift_Click()
{
    try {
        (new frmClimateShift(m_main))->show();
    } catch (const std::exception &e) {
        ShowError(m_main, tr("Climate Shift"), e);
    }
}

void MainCommands::menuReport_Click() { (new frmSiteReport(m_main))->show(); }

void MainCommands::menuAD_Click()
{
    m_main->ShowSingle(QStringLiteral("frmHelp"), [] { return new frmHelp; });
}

void MainCommands::menuGlossary_Click()
{
    m_main->ShowSingle(QStringLiteral("frmGlossary"), [] { return new frmGlossary; });
}

void MainCommands::menuAbout_Click()
{
    m_main->ShowSingle(QStringLiteral("frmAbout"), [this] { return new frmAbout(m_main); }, WindowPlace::OwnWindow);
}
