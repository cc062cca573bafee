// What a saved picture says of itself: the same texts from a window and from
// a command, whatever writes them.
#include "analysis/PictureStamps.h"
#include "mapping/GridDataRanges.h"
#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

const PictureStamp Sources{{"Software", "silvaria 2.0.5128"}};

} // namespace

// The rules behind the stamps' words (the whole texts are checked where the
// command line and the windows write their pictures): signed shifts, ranges
// clamped to the grid's data with a missing one said, no class shown.
TEST(PictureStamps, SignedShiftsClampedRangesAndNoClass)
{
    EXPECT_EQ(ShiftText(0, 0.5), "MAT +0 \u00b0C, MAR +0.5 %");
    EXPECT_EQ(ShiftText(-1.5, 0), "MAT -1.5 \u00b0C, MAR +0 %");
    const Bounds ranges{{Bound::fromNumber(-50), Bound::fromNumber(1000), {}}, {Bound::fromNumber(800), Bound::fromNumber(4500), {}}};
    const StampSpecies acacia{"Acacia mangium", "1", DrawnRangesText(ranges, FixedGridRanges())};
    const PictureStamp shift = ShiftPictureStamp(acacia, 3, 0, Sources);
    EXPECT_EQ(shift[1].second, "ALT 0 to 800 m, MAR 1000 to 4500 mm, MAT not stated");
    EXPECT_EQ(shift[3].second, "MAT +3 \u00b0C, MAR +0 %: uniform shift of the grid's climate, not a climate projection");
    const StampSpecies teak{"Tectona grandis", "2", BoxRangesText({"0", "800", "1000", "4500", "20", "29.2"})};
    EXPECT_EQ(SuitabilityPictureStamp(teak, {}, Sources)[2].second, "none");
    EXPECT_EQ(SuitabilityPictureStamp(teak, {true, false, false, true}, Sources)[2].second, "altitude, full match");
}
