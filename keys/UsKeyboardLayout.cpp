#include "keys/UsKeyboardLayout.h"

namespace {

// The printable keys that are neither letters nor digits: key, plain and
// shifted character.
struct SymbolKey {
    int vKey;
    char plain;
    char shifted;
};

constexpr SymbolKey kSymbolKeys[] = {
    {32, ' ', ' '},
    {186, ';', ':'}, {187, '=', '+'}, {188, ',', '<'}, {189, '-', '_'},
    {190, '.', '>'}, {191, '/', '?'}, {192, '`', '~'}, {219, '[', '{'},
    {220, '\\', '|'}, {221, ']', '}'}, {222, '\'', '"'},
};

// Shift plus a digit key, from 0 to 9.
constexpr char kShiftedDigits[] = ")!@#$%^&*(";

// Control characters that have a key of their own.
struct ControlKey {
    char16_t c;
    int vKey;
};

constexpr ControlKey kControlKeys[] = {
    {u'\b', 8}, {u'\t', 9}, {u'\r', 13}, {u'\n', 13}, {u'\x1b', 27},
};

} // namespace

namespace UsKeyboardLayout {

int VirtualKeyOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'a' && u <= u'z')
        return u - u'a' + 'A';
    if ((u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9'))
        return u;
    for (int digit = 0; digit < 10; ++digit) {
        if (u == static_cast<char16_t>(kShiftedDigits[digit]))
            return '0' + digit;
    }
    for (const SymbolKey &key : kSymbolKeys) {
        if (u == static_cast<char16_t>(key.plain) || u == static_cast<char16_t>(key.shifted))
            return key.vKey;
    }
    for (const ControlKey &key : kControlKeys) {
        if (u == key.c)
            return key.vKey;
    }
    return 0;
}

QChar CharacterOf(int vKey, bool shift)
{
    if (vKey >= 'A' && vKey <= 'Z')
        return QChar(shift ? vKey : vKey - 'A' + 'a');
    if (vKey >= '0' && vKey <= '9')
        return QChar(shift ? kShiftedDigits[vKey - '0'] : vKey);
    for (const SymbolKey &key : kSymbolKeys) {
        if (key.vKey == vKey)
            return QChar(shift ? key.shifted : key.plain);
    }
    return QChar();
}

} // namespace UsKeyboardLayout
