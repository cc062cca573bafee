#include "app/HtmlViewer.h"

#include <QFileInfo>
#include <QTextDocument>
#include <QUrl>

HtmlViewer::HtmlViewer(QWidget *parent) : QTextBrowser(parent)
{
    setOpenLinks(true);
    // Pages of other sites go to the desktop's own browser.
    setOpenExternalLinks(true);
}

void HtmlViewer::Navigate(const QString &path) { setSource(QUrl::fromLocalFile(path)); }

QVariant HtmlViewer::loadResource(int type, const QUrl &name)
{
    if (type == QTextDocument::HtmlResource && name.isLocalFile() && !QFileInfo(name.toLocalFile()).isFile())
        return MissingPageHtml(name.toLocalFile());
    return QTextBrowser::loadResource(type, name);
}

QString MissingPageHtml(const QString &path)
{
    return HtmlViewer::tr("<html><head><title>Page not found</title></head><body>"
                          "<h2>Page not found</h2>"
                          "<p>The page file <b>%1</b> is missing.</p>"
                          "<p>Silvaria reads its manual and glossary from the <i>Help</i> and <i>HTML</i> folders "
                          "beside the program. Install the program again to restore them.</p>"
                          "</body></html>")
        .arg(path.toHtmlEscaped());
}
