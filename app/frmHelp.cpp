#include "app/frmHelp.h"

#include "base/ApplicationFolder.h"

frmHelp::frmHelp(QWidget *parent)
    : BrowserWindow(QStringLiteral("frmHelp"), QT_TRANSLATE_NOOP("BrowserWindow", "Introduction"), QStringLiteral("browserHelp"),
                    ApplicationPath(QStringLiteral("\\Help\\index.htm")), parent),
      browserHelp(browser())
{
}
