#pragma once
#include "analysis/GridClimate.h"
#include "analysis/SpeciesRangeTable.h"
#include "mapping/MapLayer.h"

#include <cstdint>
#include <vector>

// How far a click may lie from a grid point, in map units, when the map
// shows `extent`: identify's 100 twips on a map window's map (7560 by 4815
// twips at 96 dots per inch) fitted to that extent.
double IdentifyReach(const MapExtent &extent);

// A species whose stated ranges all hold at the point but one.
struct NearMiss {
    const SpeciesRangeRow *species = nullptr;
    int criterion = 0;        // 0 ALT, 1 MAR, 2 MAT
    double value = 0;         // the point's value
    double min = 0, max = 0;  // the species' range
    double miss = 0;          // how far outside, in the criterion's unit
    double relative = 0;      // miss / (max - min)
    QString text() const;     // "MAT 1.3 °C too warm", "MAR 150 mm too dry", "ALT 220 m too high"
};

struct PointAnswer {
    bool found = false;                          // a grid point lies within reach
    std::uint32_t feature = 0;
    MapPoint position;                           // of the grid point
    float values[3] = {};                        // ALT, MAR, MAT as stored
    std::vector<const SpeciesRangeRow *> suitable;   // in catalogue order
    std::vector<NearMiss> nearMisses;            // smallest relative miss first
    std::vector<const SpeciesRangeRow *> incomplete; // a range missing, every stated one met
};

// Relative misses above this are not near.
constexpr double DefaultNearLimit = 0.25;

// The suitable species, near misses and species with incomplete ranges at
// the grid point nearest `at` within `reach`, among species of the use mask
// (0: all). Nothing is found when no point is within reach.
PointAnswer AnswerAtPoint(const SpeciesRangeTable &species, const GridClimate &climate, const MapLayer &canvas,
                          const MapPoint &at, double reach, std::uint16_t useMask = 0,
                          double nearLimit = DefaultNearLimit);
// The same for a known grid point.
PointAnswer AnswerAtFeature(const SpeciesRangeTable &species, const GridClimate &climate, std::uint32_t feature,
                            std::uint16_t useMask = 0, double nearLimit = DefaultNearLimit);
