#include "app/frmHelp.h"

#include "base/ApplicationFolder.h"

frmHelp::frmHelp(QWidget *parent)
    : BrowserWindow(QStringLiteral("frmHelp"), QStringLiteral("Introduction"), QStringLiteral("browserHelp"),
                    ApplicationPath(QStringLiteral("\\Help\\index.htm")), parent),
      browserHelp(browser())
{
}
