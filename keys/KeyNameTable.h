#pragma once
#include <QString>

// The key names a keystroke script may write inside braces ({ENTER}, {F6},
// {BKSP} ...), looked up without regard to letter case. Returns the key's
// virtual-key code, or 0 when the name is not in the table.
int LookUpKeyName(const QString &name);
