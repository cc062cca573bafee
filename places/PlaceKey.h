#pragma once
#include <QString>
#include <QStringView>

#include <cstdint>

// The form in which place names are compared: letters and digits only,
// without accents, case folded in every script (FoldedText), the words run
// together so that "Da Lat", "Đà Lạt" and "Dalat" all read "dalat". Spacing
// vowel signs (Khmer, Myanmar) stay, as they are part of the letters; every
// other character (space, punctuation, a control character, a symbol) only
// ends a word.
struct PlaceKey {
    QString key;
    // Bit i set: a word of the name starts at key position i (below 64).
    std::uint64_t wordStarts = 0;
};

PlaceKey FoldPlaceName(QStringView name);
