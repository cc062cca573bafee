#pragma once
#include "analysis/ClimateShift.h"
#include "analysis/PointMap.h"

#include <QColor>

#include <cstdint>
#include <vector>

// How the analysis maps colour their classes of grid points, the same in the
// windows and in saved pictures.

// A sequential ramp from dark violet through blue and green to yellow
// (viridis-like): its lightness rises steadily, so it reads in greyscale and
// for colour-blind readers. t from 0 (low) to 1 (high), clamped.
QColor SequentialColour(double t);

// A class of species counts: low to high, both included.
struct CountBin {
    std::uint32_t low = 0, high = 0;
    QString caption() const; // "0", "1", "2-3"
};
// 0, 1, 2-3, 4-7, ... doubling up to the largest count.
std::vector<CountBin> CountBinsUpTo(std::uint32_t most);
// The grid points of each bin of the counts, coloured along the ramp.
std::vector<PointClassLayer> CountClasses(const std::vector<std::uint32_t> &counts);

// Kept, lost and gained land in three colours told apart with any colour
// vision (blue, vermillion, bluish green).
extern const QColor KeptColour, LostColour, GainedColour;
// "kept", "lost", "gained" with their points.
std::vector<PointClassLayer> ShiftClasses(const ClimateShiftResult &shift);
