#pragma once
#include "analysis/ClimateShift.h"
#include "analysis/PointMap.h"
#include "analysis/SuitabilityClasses.h"

#include <QColor>
#include <QStringList>

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
    QString caption() const; // "0", "5", "9 to 16" (never a text a spreadsheet reads as a date)
};
// The classes of a count map, made from the counts' own spread: 0 alone,
// then up to seven equal steps (a whole number of species each) up to the
// largest count, so the map's colours span what the counts hold.
struct CountClassing {
    std::uint32_t most = 0;  // the largest count
    std::uint32_t step = 1;  // species per class above 0
    std::vector<CountBin> bins;
    // How the classes were made, for the legend, stamp and command line:
    // "equal steps of 8 species from 1 to 55, the most at any grid point".
    QString note() const;
};
CountClassing CountClassesUpTo(std::uint32_t most);

// The grid points of each class of the counts, coloured along the ramp.
struct CountMap {
    CountClassing classing;
    std::vector<PointClassLayer> classes;
};
CountMap CountClasses(const std::vector<std::uint32_t> &counts);

// The four suitability classes of the bounds (ClassPoints on the maps' grid
// and ranges) in drawing order, in the map's colours; a class not shown has
// no points.
std::vector<PointClassLayer> SuitabilityClassLayers(const MapData &maps, const Bounds &bounds,
                                                    const ClassChoice &shown = AllClasses);

// Kept, lost and gained land in three colours told apart with any colour
// vision (blue, vermillion, bluish green).
extern const QColor KeptColour, LostColour, GainedColour;
// "kept", "lost", "gained".
QStringList ShiftClassNames();
// Those classes with their points.
std::vector<PointClassLayer> ShiftClasses(const ClimateShiftResult &shift);

// A map as one whole number per grid point, as GIS files hold it, each number
// with the name and colour the picture gives it.
struct ValueClass {
    QString name;
    QColor colour;
};
struct GridValues {
    QString field;                     // what the numbers are: "class" or "count"
    std::vector<std::uint32_t> values; // per grid point, in feature order
    std::vector<ValueClass> classes;   // per number, from 0
};
// "no class": a grid point in none of a map's classes.
QString NoClassText();
// The class each of `points` grid points shows: 1 + the index of the last
// class holding it (drawn on top), or 0 (NoClassText, in the land's colour).
GridValues ClassValues(const std::vector<PointClassLayer> &classes, std::size_t points);
// The counts themselves, each number named and coloured as its class of the
// map (`classes`, one per bin of the classing).
GridValues CountValues(const std::vector<std::uint32_t> &counts, const CountClassing &classing,
                       const std::vector<PointClassLayer> &classes);
