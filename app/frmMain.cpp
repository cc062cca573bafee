#include "app/frmMain.h"

#include <QMdiArea>

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent), m_mdi(new QMdiArea(this))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Silvaria Database Version 2.0"));
    setCentralWidget(m_mdi);
    resize(1100, 760);
}
