#include "app/BrowserWindow.h"

#include "app/HtmlViewer.h"
#include "controls/Twips.h"

#include <QEvent>
#include <QMdiSubWindow>

QSizeF BrowserSizeTwips(QSizeF windowTwips)
{
    return {windowTwips.width() - 100, windowTwips.height() - 400};
}

BrowserWindow::BrowserWindow(const QString &objectName, const char *caption, const QString &browserName,
                             const QString &pagePath, QWidget *parent)
    : QWidget(parent), m_browser(new HtmlViewer(this)), m_caption(caption)
{
    setObjectName(objectName);
    setWindowTitle(tr(m_caption));
    m_browser->setObjectName(browserName);
    m_browser->move(0, 0);
    resize(sizeHint());
    m_browser->Navigate(pagePath);
}

QSize BrowserWindow::sizeHint() const { return {TwipsToPixelsX(10500, this), TwipsToPixelsY(7500, this)}; }

QSizeF BrowserWindow::outerSizeTwips() const
{
    const auto *frame = qobject_cast<const QMdiSubWindow *>(parentWidget());
    const QSize outer = frame ? frame->size() : frameGeometry().size();
    return {PixelsToTwipsX(outer.width(), this), PixelsToTwipsY(outer.height(), this)};
}

void BrowserWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setWindowTitle(tr(m_caption));
    QWidget::changeEvent(event);
}

void BrowserWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutBrowser();
}

bool BrowserWindow::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange) {
        if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
            frame->installEventFilter(this);
    }
    return QWidget::event(event);
}

bool BrowserWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        layoutBrowser();
    return QWidget::eventFilter(watched, event);
}

void BrowserWindow::layoutBrowser()
{
    const QSizeF size = BrowserSizeTwips(outerSizeTwips());
    const int width = TwipsToPixelsX(size.width(), this);
    const int height = TwipsToPixelsY(size.height(), this);
    if (width <= 0 || height <= 0) {
        m_browser->hide();
        return;
    }
    m_browser->resize(width, height);
    m_browser->show();
}
