#pragma once
#include <functional>
#include <optional>

// The keyboard's lock states as the windowing system keeps them.
struct LockKeyStates {
    bool capsLock = false;
    bool numLock = false;
};

// Reads the current lock states; empty where the windowing system cannot tell
// (offscreen, or a platform without such a query).
using LockKeyReader = std::function<std::optional<LockKeyStates>()>;

// The reader of this process's windowing system: on X11 the X keyboard
// extension's "Caps Lock" and "Num Lock" indicators.
LockKeyReader SystemLockKeyReader();
