// libFuzzer target: a grid folder's "sources.txt". Any text gives layer
// sources under names, and no data ranges or a complete, finite, ordered set,
// which the lines written for it give back.
#include "mapping/GridDataRanges.h"
#include "mapping/MapSources.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

bool same(double a, double b) { return std::abs(a - b) <= 1e-12 * std::abs(a); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    if (ParseLayerSources(text).contains(QString()))
        std::abort();
    const auto ranges = ParseGridRanges(text);
    if (!ranges)
        return 0;
    const auto again = ParseGridRanges(GridRangesText(*ranges));
    for (int c = 0; c < 3; ++c)
        if (!std::isfinite(ranges->lower[c]) || !std::isfinite(ranges->upper[c]) || ranges->lower[c] > ranges->upper[c]
            || !again || !same(ranges->lower[c], again->lower[c]) || !same(ranges->upper[c], again->upper[c]))
            std::abort();
    return 0;
}
