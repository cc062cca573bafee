// libFuzzer target: a grid folder's "sources.txt". Any text gives layer
// sources under names, and no data ranges or a complete, finite, ordered set,
// which reads back the same from the lines written for it.
#include "mapping/GridDataRanges.h"
#include "mapping/MapSources.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    if (ParseLayerSources(text).contains(QString()))
        std::abort();
    const auto ranges = ParseGridRanges(text);
    if (!ranges)
        return 0;
    const auto again = ParseGridRanges(GridRangesText(*ranges));
    if (!again || GridRangesText(*again) != GridRangesText(*ranges))
        std::abort();
    for (int c = 0; c < 3; ++c)
        if (!std::isfinite(ranges->lower[c]) || !std::isfinite(ranges->upper[c]) || ranges->lower[c] > ranges->upper[c])
            std::abort();
    return 0;
}
