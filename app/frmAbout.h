#pragma once
#include "platform/SysInfoLookup.h"

#include <QWidget>

#include <functional>
#include <memory>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

// The About box: title, version, copyright, legal warning and support text; it
// can start the system-information tool. It stays above the other windows.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *owner);
    ~frmAbout() override;

    // Starts the system-information tool, or says it is unavailable.
    void StartSysInfo();

    QTabWidget *SSTab1;
    QLabel *lblTitle, *lblVersion, *lblDescription, *lblDisclaimer;
    QFrame *Frame1;
    QLabel *Picture1;
    QPlainTextEdit *txtProgrammer;
    QPushButton *cmdSysInfo, *cmdOK;

    // How the tool is found and started (tests stand in for both).
    std::unique_ptr<SysInfoLookup> sysInfoLookup = PlatformSysInfoLookup();
    std::function<bool(const QString &)> fileExists;
    std::function<bool(const QString &)> startProgram;

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildControls();
    void retranslate();
    QString m_gridSource; // the map grid's source line, for the climate line of the warning
};
