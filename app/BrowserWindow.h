#pragma once
#include <QSizeF>
#include <QWidget>

class HtmlViewer;

// The browser's size in a viewer window of `windowTwips` (outer size, twips):
// 100 twips narrower and 400 twips lower. Zero or less means no room for it.
QSizeF BrowserSizeTwips(QSizeF windowTwips);

// A window with one HTML browser that fills it, opened at a page beside the
// program. Its browser follows the window's size; when the window is too small
// for it, the browser is hidden.
class BrowserWindow : public QWidget {
    Q_OBJECT
public:
    // `caption` is untranslated, marked with QT_TRANSLATE_NOOP("BrowserWindow", ...).
    BrowserWindow(const QString &objectName, const char *caption, const QString &browserName,
                  const QString &pagePath, QWidget *parent = nullptr);

    HtmlViewer *browser() const { return m_browser; }
    // The size a new window opens at: room for a page of text.
    QSize sizeHint() const override;
    // The window's outer size in twips: its frame in the workspace, or on the desktop.
    QSizeF outerSizeTwips() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    // In the workspace the window's outer size is its frame's, which can shrink
    // further than the window inside it: follow the frame's resizes too.
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void layoutBrowser();

    HtmlViewer *m_browser;
    const char *m_caption;
};
