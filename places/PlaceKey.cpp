#include "places/PlaceKey.h"

#include "catalogue/UnicodeText.h"

PlaceKey FoldPlaceName(QStringView name)
{
    const QString folded = FoldedText(name);
    PlaceKey result;
    result.key.reserve(folded.size());
    bool wordEnded = true;
    for (QChar c : folded) {
        if (c.isLetterOrNumber() || c.category() == QChar::Mark_SpacingCombining) {
            if (wordEnded && result.key.size() < 64)
                result.wordStarts |= std::uint64_t(1) << result.key.size();
            result.key.append(c);
            wordEnded = false;
        } else {
            wordEnded = true;
        }
    }
    return result;
}
