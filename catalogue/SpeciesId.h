#pragma once
#include <QString>

#include <cstdint>
#include <optional>

// Where a species identifier (SpID) is held: the map window keeps its own in
// a signed 16-bit integer; the analyses take any identifier a catalogue holds
// (a signed 32-bit integer).
enum class SpIdWidth { Bits16, Bits32 };

// The SpID written in `text` (blanks around it allowed), or none when the text
// is not a whole number that fits `width`.
inline std::optional<int> ParseSpID(const QString &text, SpIdWidth width = SpIdWidth::Bits32)
{
    bool ok = false;
    const int id = text.trimmed().toInt(&ok);
    if (!ok || (width == SpIdWidth::Bits16 && (id < INT16_MIN || id > INT16_MAX)))
        return std::nullopt;
    return id;
}
