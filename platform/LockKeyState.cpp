#include "platform/LockKeyState.h"

#include <QGuiApplication>

#if defined(SILVARIA_HAVE_X11) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>

#include <X11/XKBlib.h>

namespace {

std::optional<bool> namedIndicator(Display *display, const char *name)
{
    const Atom atom = XInternAtom(display, name, True);
    Bool on = False;
    if (atom == None || !XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return std::nullopt;
    return on == True;
}

std::optional<LockKeyStates> readX11()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    const std::optional<bool> caps = namedIndicator(display, "Caps Lock");
    const std::optional<bool> num = namedIndicator(display, "Num Lock");
    if (!caps || !num)
        return std::nullopt;
    return LockKeyStates{*caps, *num};
}

} // namespace

LockKeyReader SystemLockKeyReader() { return readX11; }

#else

LockKeyReader SystemLockKeyReader()
{
    return [] { return std::optional<LockKeyStates>(); };
}

#endif
