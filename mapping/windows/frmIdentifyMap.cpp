#include "mapping/windows/frmIdentifyMap.h"

#include "controls/ReportList.h"
#include "controls/TranslatedText.h"
#include "controls/TopmostWindow.h"
#include "controls/Twips.h"

#include <QHeaderView>

frmIdentifyMap::frmIdentifyMap(QWidget *owner) : QWidget(nullptr), lstIdentifyMap(new ReportList(2, this))
{
    MakeTopmostWindow(this, owner);
    setObjectName(QStringLiteral("frmIdentifyMap"));
    lstIdentifyMap->setObjectName(QStringLiteral("lstIdentifyMap"));
    SetTranslatedHeadings(lstIdentifyMap, "frmIdentifyMap", {QT_TR_NOOP("Field"), QT_TR_NOOP("Value")});
    lstIdentifyMap->header()->resizeSection(0, TwipsToPixelsX(1000, this));
    lstIdentifyMap->header()->resizeSection(1, TwipsToPixelsX(1000, this));
    resize(TwipsToPixelsX(2400, this), TwipsToPixelsY(2400, this));
}

void frmIdentifyMap::fitFieldNames() { resize(width() + lstIdentifyMap->widenToContents(0), height()); }

void frmIdentifyMap::resizeEvent(QResizeEvent *)
{
    // The list fills the window.
    lstIdentifyMap->setGeometry(0, 0, width(), height());
}
