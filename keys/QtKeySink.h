#pragma once
#include "keys/KeySink.h"

#include <Qt>

// Delivers key events through Qt's own input path: each press and release
// becomes a QKeyEvent sent to the object that has the keyboard focus (or the
// focused window), carrying the modifiers this sink holds down. A widget
// receives them as typed keys, and window shortcuts (Ctrl+F6, Ctrl+F4 ...)
// fire as for real keys. With no focused window the events go nowhere, as
// real key presses would.
class QtKeySink : public KeySink {
public:
    void keyDown(int vKey) override;
    void keyUp(int vKey) override;

    // Shift, Control and Alt as held down by the events sent so far.
    Qt::KeyboardModifiers modifiers() const { return m_modifiers; }

private:
    void deliver(bool press, int vKey);

    Qt::KeyboardModifiers m_modifiers;
};
