#include "controls/TopmostWindow.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

class RaiseOnResize : public QObject {
public:
    using QObject::QObject;

private:
    // A new window that would stand partly off the screen is moved onto it.
    static void keepOnScreen(QWidget *window)
    {
        const QScreen *screen = window->screen();
        if (!screen)
            return;
        const QRect area = screen->availableGeometry();
        QRect frame = window->frameGeometry();
        frame.moveRight(std::min(frame.right(), area.right()));
        frame.moveBottom(std::min(frame.bottom(), area.bottom()));
        frame.moveLeft(std::max(frame.left(), area.left()));
        frame.moveTop(std::max(frame.top(), area.top()));
        if (frame.topLeft() != window->frameGeometry().topLeft())
            window->move(frame.topLeft());
    }
    bool m_placed = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && !m_placed) {
            m_placed = true;
            keepOnScreen(window);
        }
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
            window->raise();
        return false;
    }
};

} // namespace

void MakeTopmostWindow(QWidget *window, QWidget *owner)
{
    window->setParent(owner, Qt::Window | Qt::WindowStaysOnTopHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->installEventFilter(new RaiseOnResize(window));
}

void KeepAboveOtherWindows(QWidget *window)
{
    window->setWindowFlag(Qt::WindowStaysOnTopHint);
    window->installEventFilter(new RaiseOnResize(window));
}
