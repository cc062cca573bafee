#include "app/frmMain.h"

#include "app/KeyIndicators.h"
#include "app/MainCommands.h"
#include "app/modLoadList.h"
#include "app/modLoadTree.h"
#include "catalogue/CurrentSpecies.h"
#include "catalogue/modDatabase.h"
#include "controls/DragPanel.h"
#include "controls/Icons.h"
#include "controls/OutlookBar.h"
#include "controls/ReportList.h"
#include "controls/Twips.h"
#include "factsheet/windows/frmList.h"
#include "keys/windows/MdiKeyboardShortcuts.h"

#include <QDateTime>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>

namespace {
frmMain *theMainWindow = nullptr;

// The outlook bar sits this far inside pic1 (pixels).
constexpr int BarOffset = 4;
// The child area keeps at least this width (pixels) however far the pane's bar is dragged.
constexpr int MinChildAreaWidth = 240;

QTreeWidget *makeTree(const QString &name, QWidget *parent)
{
    auto *tree = new QTreeWidget(parent);
    tree->setObjectName(name);
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    return tree;
}
} // namespace

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent),
      pic1(new QWidget),
      outlookBarMenu(new OutlookBar(pic1)),
      pic2(new DragPanel(Qt::Horizontal)),
      treeBN(makeTree(QStringLiteral("treeBN"), this)),
      treeCN(makeTree(QStringLiteral("treeCN"), this)),
      treeFU(makeTree(QStringLiteral("treeFU"), this)),
      m_mdi(new QMdiArea)
{
    theMainWindow = this;
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(ApplicationIcon());
    setAttribute(Qt::WA_DeleteOnClose, false);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setBackground(QColor(128, 128, 128));
    buildPane();
    buildStatusBar();

    m_commands = new MainCommands(this);
    retranslate();
    new MdiKeyboardShortcuts(m_mdi);

    // Other windows ask for a species or a list through the shared species state.
    CurrentSpecies &species = CurrentSpecies::instance();
    // The fact sheet first, then the names: a list that cannot be read warns
    // over the sheet of the species asked for.
    connect(&species, &CurrentSpecies::speciesRequested, this, [this](const QString &spId) {
        ListWindow()->ShowFactSheet(spId);
        LoadSpeciesById(spId);
    });
    connect(&species, &CurrentSpecies::listRequested, this, [this](const SpeciesList &rows) {
        frmList *window = ListWindow();
        ShowChild(window);
        window->ShowRowsUnselected(rows);
    });

    connect(treeBN, &QTreeWidget::itemClicked, this, [this] { TreeBNNodeClick(treeBN); });
    connect(treeCN, &QTreeWidget::itemClicked, this, [this] { TreeCNNodeClick(treeCN); });
    connect(treeFU, &QTreeWidget::itemClicked, this, [this] { TreeFUNodeClick(treeFU); });
    resize(1180, 800);
}

frmMain::~frmMain()
{
    if (theMainWindow == this)
        theMainWindow = nullptr;
}

frmMain *frmMain::Instance() { return theMainWindow; }

void frmMain::buildPane()
{
    pic1->setObjectName(QStringLiteral("pic1"));
    outlookBarMenu->setObjectName(QStringLiteral("outlookBarMenu"));
    pic2->setObjectName(QStringLiteral("pic2"));
    outlookBarMenu->move(BarOffset, BarOffset);
    pic1->installEventFilter(this);
    pic1->setFixedWidth(TwipsToPixelsX(3600, this));
    pic2->setFixedWidth(TwipsToPixelsX(75, this));
    connect(pic2, &DragPanel::pressed, this, [this] { dragging = true; });
    connect(pic2, &DragPanel::released, this, [this] { dragging = false; });
    connect(pic2, &DragPanel::moved, this, &frmMain::dragPane);

    auto *central = new QWidget;
    auto *row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(pic1);
    row->addWidget(pic2);
    row->addWidget(m_mdi, 1);
    m_mdi->setMinimumWidth(MinChildAreaWidth);
    setCentralWidget(central);
}

void frmMain::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < 6; ++i) {
        auto *panel = new QLabel;
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment(Qt::AlignCenter);
        panel->setMinimumWidth(i == 0 ? 0 : 60);
        statusPanels << panel;
        if (i == 0)
            bar->addWidget(panel, 1);
        else
            bar->addPermanentWidget(panel);
    }
    new KeyIndicators(statusPanels[1], statusPanels[2], statusPanels[3], SystemLockKeyReader(), this);
    auto *clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &frmMain::updateClock);
    clock->start(1000);
    updateClock();
}

void frmMain::updateClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    statusPanels[4]->setText(QLocale().toString(now.date(), QLocale::ShortFormat));
    statusPanels[5]->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
}

void frmMain::Load()
{
    OpenCatalogue();
    BuildNavigationPane();
    LoadBotanicTree(treeBN);
    LoadCommonTree(treeCN);
    LoadUseTree(treeFU);
    LoadBotanicList(QString(), ListAll);
    frmList *list = ListWindow();
    // A catalogue without species starts with an empty list and fact sheet.
    const QString first = CurrentSpecies::instance().selectedId();
    if (first.isEmpty())
        return;
    list->ViewInRich(first);
    list->Colorize();
    QTextCursor top = list->richDetail->textCursor();
    top.setPosition(0);
    list->richDetail->setTextCursor(top);
}

void frmMain::BuildNavigationPane()
{
    outlookBarMenu->RemoveAll();
    outlookBarMenu->SetImageList(OutlookBarIcons());
    outlookBarMenu->SetRedraw(false);
    const QStringList captions = paneCaptions();
    const QList<QTreeWidget *> trees{treeBN, treeCN, treeFU};
    for (int n = 1; n <= 3; ++n)
        outlookBarMenu->AddSection(QStringLiteral("item:") + QString::number(n), captions[n - 1], trees[n - 1], n - 1);
    outlookBarMenu->SetRedraw(true);
}

QStringList frmMain::paneCaptions() { return {tr("Botanic Names"), tr("Common Names"), tr("Functional Uses")}; }

void frmMain::retranslate()
{
    setWindowTitle(tr("Silvaria Database Version 2.0"));
    statusPanels[1]->setText(tr("CAPS"));
    statusPanels[2]->setText(tr("NUM"));
    statusPanels[3]->setText(tr("INS"));
    const QStringList captions = paneCaptions();
    for (int i = 0; i < outlookBarMenu->count() && i < captions.size(); ++i)
        outlookBarMenu->setItemText(i, captions[i]);
    RetranslateTreeRoot(treeBN);
    RetranslateTreeRoot(treeCN);
    m_commands->retranslate();
    updateClock();
}

void frmMain::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && m_commands)
        retranslate();
    QMainWindow::changeEvent(event);
}

frmList *frmMain::ListWindow()
{
    if (!m_list) {
        m_list = new frmList;
        m_listWindow = m_mdi->addSubWindow(m_list);
        m_listWindow->setWindowIcon(ApplicationIcon());
        m_listWindow->setAttribute(Qt::WA_DeleteOnClose);
        m_listWindow->resize(m_list->size());
    }
    return m_list;
}

QMdiSubWindow *frmMain::ShowChild(QWidget *child)
{
    QMdiSubWindow *window = nullptr;
    for (QMdiSubWindow *w : m_mdi->subWindowList()) {
        if (w->widget() == child)
            window = w;
    }
    if (!window) {
        window = m_mdi->addSubWindow(child);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    child->show();
    m_mdi->setActiveSubWindow(window);
    return window;
}

QWidget *frmMain::ShowSingle(const QString &name, const std::function<QWidget *()> &make, WindowPlace place)
{
    QPointer<QWidget> &window = m_single[name];
    // A closed window of its own is on its way out and is not shown again.
    if (window && place == WindowPlace::OwnWindow && !window->isVisible())
        window = nullptr;
    if (!window) {
        window = make();
        if (place == WindowPlace::Child) {
            QMdiSubWindow *sub = m_mdi->addSubWindow(window);
            sub->setAttribute(Qt::WA_DeleteOnClose);
        }
    }
    if (place == WindowPlace::Child) {
        ShowChild(window);
    } else {
        window->show();
        window->raise();
        window->activateWindow();
    }
    return window;
}

void frmMain::menuExit()
{
    CloseCatalogue();
    close();
}

void frmMain::dragPane(QPoint position)
{
    if (!dragging)
        return;
    // A width the drag would make negative is not applied, and the pane stops
    // where the child area would fall below its minimum: a drag never widens
    // the main window.
    const int widest = centralWidget()->width() - pic2->width() - MinChildAreaWidth;
    const int width = std::min(pic1->width() + position.x(), widest);
    if (width >= 0)
        pic1->setFixedWidth(width);
}

void frmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The first list window fills the workspace once the workspace has its size.
    if (!m_fitted && m_listWindow) {
        m_fitted = true;
        QTimer::singleShot(0, this, [this] {
            if (m_listWindow)
                m_listWindow->setGeometry(m_mdi->viewport()->rect());
        });
    }
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == pic1 && event->type() == QEvent::Resize)
        layoutOutlookBar();
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::layoutOutlookBar()
{
    // The bar keeps a margin that follows its own offset inside pic1.
    const QPoint offset = outlookBarMenu->pos();
    const int width = pic1->width() - int(1.5 * offset.x());
    const int height = pic1->height() - int(1.5 * offset.y());
    if (width >= 0 && height >= 0)
        outlookBarMenu->resize(width, height);
}
