#include "platform/DisplayCheck.h"

bool DisplayMissing(bool platformNeedsVariables, const std::function<bool(const char *)> &isSet)
{
    if (!platformNeedsVariables || isSet("QT_QPA_PLATFORM"))
        return false;
    return !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY");
}
