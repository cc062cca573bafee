#include "app/frmHelp.h"

#include "base/ApplicationFolder.h"
#include "base/InterfaceLanguage.h"

frmHelp::frmHelp(QWidget *parent)
    : BrowserWindow(QStringLiteral("frmHelp"), QT_TRANSLATE_NOOP("BrowserWindow", "Introduction"), QStringLiteral("browserHelp"),
                    TranslatedPage(ApplicationPath(QStringLiteral("\\Help\\index.htm"))), parent),
      browserHelp(browser())
{
}
