#pragma once
#include <QString>

class QAction;
class QToolBar;

// The action of a toolbar's button by its key ("k1", "k2" ...), kept as the action's data; null for an unknown key.
QAction *ButtonByKey(const QToolBar *bar, const QString &key);
