#pragma once

// Where the keystroke sender's key events go: one press or one release of a
// virtual-key code (the Windows virtual-key numbering: 16 Shift, 17 Control,
// 18 Alt, 65 the A key, 112 F1 and so on). A sink that cannot deliver an event
// throws SendKeysError; the sender then releases the modifiers it holds.
class KeySink {
public:
    virtual ~KeySink() = default;
    virtual void keyDown(int vKey) = 0;
    virtual void keyUp(int vKey) = 0;
};
