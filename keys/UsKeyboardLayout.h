#pragma once
#include <QChar>

// The US keyboard layout, for turning typed characters into keys and back.
namespace UsKeyboardLayout {

// The virtual-key code of the key that types `c`, ignoring the Shift state
// ("A" and "a" both give 65, "!" gives the 1 key, 49); 0 when no key of the
// layout types it.
int VirtualKeyOf(QChar c);

// The character the key `vKey` types with or without Shift; a null QChar for
// keys that type no printable character.
QChar CharacterOf(int vKey, bool shift);

} // namespace UsKeyboardLayout
