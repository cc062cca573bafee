#pragma once
#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QPointer>

#include <functional>

class DragPanel;
class OutlookBar;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QTreeWidget;
class MainCommands;
class frmList;

// Where a window of the application stands: in the main window's workspace,
// or on its own above the others.
enum class WindowPlace { Child, OwnWindow };

// The main window: menu, toolbar, the navigation pane with its three trees and
// splitter bar, the status bar, and the child windows.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // The one main window of the process, or null.
    static frmMain *Instance();

    // The start-up sequence: opens the catalogue, builds the pane, fills the
    // trees, lists every botanic name and shows the first one's fact sheet.
    // Throws on the first failure (the caller shows it and ends the run).
    void Load();
    void BuildNavigationPane();

    // The species list window, loaded as a child window on first use.
    frmList *ListWindow();
    bool IsListWindowLoaded() const { return !m_list.isNull(); }
    // Shows a child window (adding it to the workspace if it is not there yet).
    QMdiSubWindow *ShowChild(QWidget *child);
    // Shows the one window of this name, creating it with `make` on first use
    // and after the last one was closed: a child window in the workspace, or a
    // window of its own (raised and activated).
    QWidget *ShowSingle(const QString &name, const std::function<QWidget *()> &make,
                        WindowPlace place = WindowPlace::Child);
    // The open window of this name, or null.
    QWidget *SingleWindow(const QString &name) const { return m_single.value(name); }
    MainCommands *commands() const { return m_commands; }

    // File > Exit: closes the catalogue, then the main window and its children.
    void menuExit();

    QMdiArea *mdiArea() const { return m_mdi; }

    QWidget *pic1;
    OutlookBar *outlookBarMenu;
    DragPanel *pic2;
    QTreeWidget *treeBN;
    QTreeWidget *treeCN;
    QTreeWidget *treeFU;
    QList<QLabel *> statusPanels; // text, CAPS, NUM, INS, date, time
    bool dragging = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildStatusBar();
    void retranslate();
    static QStringList paneCaptions();
    void buildPane();
    void dragPane(QPoint position);
    void layoutOutlookBar();
    void updateClock();

    QMdiArea *m_mdi;
    QPointer<frmList> m_list;
    QPointer<QMdiSubWindow> m_listWindow;
    QMap<QString, QPointer<QWidget>> m_single;
    MainCommands *m_commands = nullptr;
    bool m_fitted = false;
};
