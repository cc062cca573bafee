#include "controls/ToolbarButtons.h"

#include <QAction>
#include <QToolBar>

QAction *ButtonByKey(const QToolBar *bar, const QString &key)
{
    for (QAction *action : bar->actions()) {
        if (action->data().toString() == key)
            return action;
    }
    return nullptr;
}
