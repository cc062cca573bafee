#include "mapping/TopmostWindow.h"

#include <QEvent>
#include <QWidget>

namespace {

class RaiseOnResize : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
            static_cast<QWidget *>(watched)->raise();
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
