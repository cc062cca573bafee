#pragma once
#include "mapping/Classification.h"
#include "mapping/MapLayer.h"

#include <array>
#include <cstdint>
#include <vector>

// The four classes of a suitability map (altitude, rainfall, temperature,
// full match), in drawing order.
enum SuitabilityClassIndex { ClassAltitude = 0, ClassRainfall = 1, ClassTemperature = 2, ClassFullMatch = 3 };
// "altitude", "rainfall", "temperature", "full match".
QString ClassName(int order);

// The classes a map shows, in drawing order (all of them by default).
using ClassChoice = std::array<bool, 4>;
constexpr ClassChoice AllClasses{true, true, true, true};

// The grid points of each chosen class for the bounds, exactly as the map
// finds them: the bounds are clamped to the grid's data ranges, the four
// filters built and those of the chosen classes run on the grid layer. A class
// not chosen, or whose filter the map rejects (a bound left out, no criterion
// usable), has no points.
std::array<std::vector<std::uint32_t>, 4> ClassPoints(const MapLayer &canvas, Bounds bounds,
                                                      const GridRanges &ranges = ActiveGridRanges(),
                                                      const ClassChoice &chosen = AllClasses);
// The same for filters already built (BuildClassFilters of clamped bounds).
std::array<std::vector<std::uint32_t>, 4> ClassPointsOf(const MapLayer &canvas, const ClassFilters &filters,
                                                        const ClassChoice &chosen = AllClasses);

// The bounds of a species: the catalogue's, with any of ALT, MAR, MAT
// replaced by given (min, max) pairs.
struct RangeOverride {
    bool given[3] = {};
    double min[3] = {};
    double max[3] = {};
};
Bounds SpeciesBounds(const Bounds &stored, const RangeOverride &given);

// "ALT 100 to 1500 m, MAR 1000 to 3000 mm, MAT 20 to 28 °C" (a missing range: "ALT not stated").
QString RangesText(const Bounds &bounds);
// The RangesText of the bounds clamped to the grid's data ranges: the ranges a map of them is drawn with.
QString DrawnRangesText(Bounds bounds, const GridRanges &ranges);
// The same of the six texts a map window's range boxes hold (ALT min, ALT max,
// MAR min, ..., MAT max), each as it stands: "ALT 0 to 800 m, ...".
QString BoxRangesText(const QStringList &boxTexts);
// The unit of a criterion: "m", "mm", "°C".
QString UnitOf(int criterion);
