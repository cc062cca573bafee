#pragma once

class QWidget;

// Makes `window` a window of its own, owned by `owner` (closed with it), that
// puts itself above the other windows whenever it is resized, without moving.
void MakeTopmostWindow(QWidget *window, QWidget *owner);

// Only the keeping on top: `window` stays above the other windows and raises
// itself on every resize and showing. For dialogs whose owner and lifetime are
// set elsewhere.
void KeepAboveOtherWindows(QWidget *window);
