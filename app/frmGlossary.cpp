#include "app/frmGlossary.h"

#include "base/ApplicationFolder.h"

frmGlossary::frmGlossary(QWidget *parent)
    : BrowserWindow(QStringLiteral("frmGlossary"), QStringLiteral("Glossary"), QStringLiteral("browserGlossary"),
                    ApplicationPath(QStringLiteral("\\HTML\\GlosA.htm")), parent),
      browserGlossary(browser())
{
}
