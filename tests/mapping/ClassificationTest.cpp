// The suitability classification: bounds, clamping, availability and filters.
#include "mapping/Classification.h"

#include <gtest/gtest.h>

namespace {

Bounds fromCatalogue(QVariant altMin, QVariant altMax, QVariant marMin, QVariant marMax, QVariant matMin, QVariant matMax)
{
    Bounds b;
    const QVariant values[6] = {altMin, altMax, marMin, marMax, matMin, matMax};
    for (int c = 0; c < 3; ++c) {
        b.min[c] = Bound::fromValue(values[2 * c]);
        b.max[c] = Bound::fromValue(values[2 * c + 1]);
    }
    ClampRanges(b);
    return b;
}

QStringList boxes(const Bounds &b)
{
    QStringList out;
    for (int c = 0; c < 3; ++c)
        out << b.min[c].boxText() << b.max[c].boxText();
    return out;
}

const QVariant Null;

struct Case {
    const char *name;
    Bounds bounds;
    QStringList boxes;
    const char *description;
    const char *species;
};

class ClassificationTable : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(ClassificationTable, BoxesDescriptionAndSpeciesFilter)
{
    const Case &c = GetParam();
    EXPECT_EQ(boxes(c.bounds), c.boxes);
    const ClassFilters f = BuildClassFilters(c.bounds);
    EXPECT_EQ(f.description.toStdString(), c.description);
    EXPECT_EQ(f.species.toStdString(), c.species);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClassificationTable,
    ::testing::Values(
        Case{"CompleteRanges", fromCatalogue(100, 1500, 1000, 3000, 20, 28),
             {"100", "1500", "1000", "3000", "20", "28"}, "ALT - MAR - MAT",
             "ALT >= 100 AND ALT <= 1500 AND MAR >= 1000 AND MAR <= 3000 AND MAT >= 20 AND MAT <= 28"},
        Case{"MissingTemperature", fromCatalogue(0, 800, 1000, 4500, Null, Null),
             {"0", "800", "1000", "4500", "0", "0"}, "ALT - MAR",
             "ALT >= 0 AND ALT <= 800 AND MAR >= 1000 AND MAR <= 4500"},
        Case{"AltitudeZeroToZero", fromCatalogue(0, 0, 1000, 2000, 22.5, 27), {"0", "0", "1000", "2000", "22.5", "27"},
             "MAR - MAT", "MAR >= 1000 AND MAR <= 2000 AND MAT >= 22.5 AND MAT <= 27"},
        Case{"MaximumClamped", fromCatalogue(0, 7000, Null, Null, Null, Null), {"0", "6098", "0", "0", "0", "0"}, "ALT",
             "ALT >= 0 AND ALT <= 6098"},
        Case{"RainfallZerosBecomeTheDataRange", fromCatalogue(Null, Null, 0, 0, Null, Null), {"0", "0", "6", "8253", "0", "0"},
             "MAR", "MAR >= 6 AND MAR <= 8253"},
        // Bounds moved to their own ends keep their sign; a range beyond the other end stays available
        // with its minimum above its maximum, so it matches nothing.
        Case{"RangesWhollyOutsideTheDataMatchNothing", fromCatalogue(7000, 8000, 1000, 2000, -20, -15),
             {"7000", "6098", "1000", "2000", "-11.2", "-15"}, "ALT - MAR - MAT",
             "ALT >= 7000 AND ALT <= 6098 AND MAR >= 1000 AND MAR <= 2000 AND MAT >= -11.2 AND MAT <= -15"},
        Case{"NothingAvailable", fromCatalogue(Null, Null, Null, Null, Null, Null), {"0", "0", "0", "0", "0", "0"}, "Error",
             "ALT >=  AND ALT <=  OR MAR >=  AND MAR <=  OR MAT >=  AND MAT <= "}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Classification, TypedBoundsAreTrimmedAndKeepTheirForm)
{
    Bounds b;
    const QStringList typed{"  250 ", "1500.50", "abc", "", "20", "35"};
    for (int c = 0; c < 3; ++c) {
        b.min[c] = Bound::fromBox(typed[2 * c]);
        b.max[c] = Bound::fromBox(typed[2 * c + 1]);
    }
    ClampRanges(b);
    // Text that is no number counts as missing; 35 is clamped to 29.2.
    EXPECT_EQ(boxes(b), (QStringList{"250", "1500.50", "0", "0", "20", "29.2"}));
    const ClassFilters f = BuildClassFilters(b);
    EXPECT_TRUE(f.altitude.startsWith("ALT >= 250 AND ALT <= 1500.50"));
    EXPECT_EQ(f.description, "ALT - MAT");
    EXPECT_EQ(Bound::fromNumber(1000 * (1 - 7 / 100.0)).expressionText(), "930") << "a computed bound without binary noise";
}
