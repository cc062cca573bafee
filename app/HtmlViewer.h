#pragma once
#include <QTextBrowser>

// A browser for the local HTML pages beside the program: follows their links
// and, for a page whose file is missing, shows a page of its own naming it.
class HtmlViewer : public QTextBrowser {
    Q_OBJECT
public:
    explicit HtmlViewer(QWidget *parent = nullptr);

    // Shows the page at a local file path.
    void Navigate(const QString &path);

    QVariant loadResource(int type, const QUrl &name) override;
};

// The page shown in place of a missing page file.
QString MissingPageHtml(const QString &path);
