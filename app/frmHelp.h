#pragma once
#include "app/BrowserWindow.h"

// The user manual: Help\index.htm beside the program, in its own browser.
class frmHelp : public BrowserWindow {
    Q_OBJECT
public:
    explicit frmHelp(QWidget *parent = nullptr);

    HtmlViewer *browserHelp;
};
