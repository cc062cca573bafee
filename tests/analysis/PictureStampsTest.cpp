// What a saved picture says of itself: the same texts from a window and from
// a command, whatever writes them.
#include "analysis/PictureStamps.h"
#include "mapping/GridDataRanges.h"
#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

const PictureStamp Sources{{"Software", "silvaria 2.0.5128"}};

Bounds bounds(double altMin, double altMax, double marMin, double marMax)
{
    Bounds b;
    b.min[Altitude] = Bound::fromNumber(altMin);
    b.max[Altitude] = Bound::fromNumber(altMax);
    b.min[Rainfall] = Bound::fromNumber(marMin);
    b.max[Rainfall] = Bound::fromNumber(marMax);
    return b; // MAT not stated
}

} // namespace

TEST(PictureStamps, CountSaysWhatIsCountedByWhichRule)
{
    EXPECT_EQ(CountPictureTitle("all uses"), "Suitable species (all uses)");
    const PictureStamp expected{
        {"Count", "species of Timber suitable at each grid point, of 64 in the catalogue"},
        {"Rule", "every range contains the point's ALT, MAR and MAT"},
        {"Classes", "equal steps of 8 species from 1 to 55, the most at any grid point"},
        {"Software", "silvaria 2.0.5128"}};
    EXPECT_EQ(CountPictureStamp("Timber", 64, "equal steps of 8 species from 1 to 55, the most at any grid point", Sources),
              expected);
}

TEST(PictureStamps, ShiftNamesTheSpeciesRangesShiftAndCaveat)
{
    EXPECT_EQ(ShiftText(2, -10), "MAT +2 \u00b0C, MAR -10 %");
    EXPECT_EQ(ShiftText(0, 0.5), "MAT +0 \u00b0C, MAR +0.5 %");
    EXPECT_EQ(ShiftText(-1.5, 0), "MAT -1.5 \u00b0C, MAR +0 %");
    EXPECT_EQ(ShiftPictureTitle("Acacia mangium", 3, 0), "Acacia mangium, MAT +3 \u00b0C, MAR +0 %");
    const StampSpecies species{"Acacia mangium", "1", DrawnRangesText(bounds(-50, 800, 1000, 4500), FixedGridRanges())};
    const PictureStamp expected{
        {"Species", "Acacia mangium (SpID 1)"},
        {"Ranges", "ALT 0 to 800 m, MAR 1000 to 4500 mm, MAT not stated"},
        {"Classes", "full match kept, lost, gained"},
        {"Shift", "MAT +3 \u00b0C, MAR +0 %: uniform shift of the grid's climate, not a climate projection"},
        {"Software", "silvaria 2.0.5128"}};
    EXPECT_EQ(ShiftPictureStamp(species, 3, 0, Sources), expected);
}

TEST(PictureStamps, SuitabilityNamesTheClassesShownOrNone)
{
    const StampSpecies species{"Tectona grandis", "2", BoxRangesText({"0", "800", "1000", "4500", "20", "29.2"})};
    const PictureStamp expected{
        {"Species", "Tectona grandis (SpID 2)"},
        {"Ranges", "ALT 0 to 800 m, MAR 1000 to 4500 mm, MAT 20 to 29.2 \u00b0C"},
        {"Classes", "altitude, full match"},
        {"Software", "silvaria 2.0.5128"}};
    EXPECT_EQ(SuitabilityPictureStamp(species, {true, false, false, true}, Sources), expected);
    EXPECT_EQ(SuitabilityPictureStamp(species, {}, Sources)[2].second, "none");
    EXPECT_EQ(SuitabilityPictureStamp(species, AllClasses, {})[2].second, "altitude, rainfall, temperature, full match");
}
