#include "app/frmGlossary.h"

#include "base/ApplicationFolder.h"

frmGlossary::frmGlossary(QWidget *parent)
    : BrowserWindow(QStringLiteral("frmGlossary"), QT_TRANSLATE_NOOP("BrowserWindow", "Glossary"), QStringLiteral("browserGlossary"),
                    ApplicationPath(QStringLiteral("\\HTML\\GlosA.htm")), parent),
      browserGlossary(browser())
{
}
