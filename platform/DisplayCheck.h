#pragma once
#include <QtGlobal>

#include <functional>

// Whether the windowing system of this build finds its display through the
// DISPLAY or WAYLAND_DISPLAY variables (X11 and Wayland desktops; not Windows
// or macOS, whose programs always have their desktop).
constexpr bool PlatformFindsDisplayThroughVariables()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    return true;
#else
    return false;
#endif
}

// True when the program cannot show a window: on a platform that needs the
// display variables, none of DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM is set.
// `isSet` tells whether an environment variable has a value.
bool DisplayMissing(bool platformNeedsVariables, const std::function<bool(const char *)> &isSet);
