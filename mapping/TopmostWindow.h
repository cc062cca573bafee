#pragma once

class QWidget;

// Makes `window` a window of its own, owned by `owner` (closed with it), that
// puts itself above the other windows whenever it is resized, without moving.
void MakeTopmostWindow(QWidget *window, QWidget *owner);
