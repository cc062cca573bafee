#pragma once
#include "app/BrowserWindow.h"

// The glossary: HTML\GlosA.htm beside the program, in its own browser.
class frmGlossary : public BrowserWindow {
    Q_OBJECT
public:
    explicit frmGlossary(QWidget *parent = nullptr);

    HtmlViewer *browserGlossary;
};
