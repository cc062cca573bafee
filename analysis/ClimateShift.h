#pragma once
#include "analysis/MapData.h"
#include "analysis/SuitableArea.h"
#include "mapping/Classification.h"
#include "mapping/MapLayer.h"

#include <cstdint>
#include <vector>

// "uniform shift of the grid's climate, not a climate projection": every
// output of the shift says so.
QString ShiftCaveat();

// The full match of a species under the grid's climate and under a second
// climate on the same points: the same climate shifted uniformly (MAT raised
// by dT °C, MAR changed by dP percent, altitude unchanged) or a scenario grid's.
struct ClimateShiftResult {
    std::vector<std::uint32_t> kept;   // full match before and after
    std::vector<std::uint32_t> lost;   // before only
    std::vector<std::uint32_t> gained; // after only
    AreaTable areas;                   // classes kept, lost, gained
};

// The points before are the map's own full match on the grid's data ranges;
// after the shift each criterion the map uses is tested against the species'
// own range (the shifted climate may pass the data ranges), as the map's
// filter tests it (a float field against the bound read as a float), a value
// on a range's edge in decimal arithmetic counting as inside. With no usable
// criterion nothing matches.
ClimateShiftResult ShiftClimate(const MapData &maps, const GridCells &cells, const CountryAssignment &countries,
                                const Bounds &bounds, double dT, double dPPercent);

// The same comparison against the climate of `second`, a grid on exactly the
// points of the maps' grid (the grid itself or a scenario grid,
// analysis/ScenarioGrids.h), shifted by dT and dP: ShiftClimate is the case
// where `second` is the grid itself. Every criterion of another grid is tested
// against the species' own range, as a shifted one is.
ClimateShiftResult CompareClimates(const MapData &maps, const GridCells &cells, const CountryAssignment &countries,
                                   const Bounds &bounds, const ShapeLayer &second, double dT, double dPPercent);
