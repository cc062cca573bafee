#include "keys/windows/MdiKeyboardShortcuts.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QShortcut>

namespace {

const QKeySequence kNextChild(Qt::CTRL | Qt::Key_F6);
const QKeySequence kCloseChild(Qt::CTRL | Qt::Key_F4);

} // namespace

MdiKeyboardShortcuts::MdiKeyboardShortcuts(QMdiArea *area) : QObject(area)
{
    new QShortcut(kNextChild, area, area, &QMdiArea::activateNextSubWindow, Qt::WindowShortcut);
    new QShortcut(kCloseChild, area, area, &QMdiArea::closeActiveSubWindow, Qt::WindowShortcut);
    // A child can hold the focus only once it is active, so taking the key
    // from each child as it is activated keeps the area's shortcut the only one.
    for (QMdiSubWindow *child : area->subWindowList())
        leaveCloseKeyToArea(child);
    connect(area, &QMdiArea::subWindowActivated, this, &MdiKeyboardShortcuts::leaveCloseKeyToArea);
}

void MdiKeyboardShortcuts::leaveCloseKeyToArea(QMdiSubWindow *child)
{
    if (!child || !child->systemMenu())
        return;
    for (QAction *action : child->systemMenu()->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        if (keys.removeAll(kCloseChild) > 0)
            action->setShortcuts(keys);
    }
}
