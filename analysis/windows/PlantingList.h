#pragma once
#include "analysis/NearMisses.h"
#include "mapping/windows/frmIdentifyEngine.h"

#include <QString>

class QWidget;

// The answers at one grid point in a "Suitable Tree Species" window.

// Adds the answer's near misses (criterion, point value, range, miss; smallest
// relative miss first) and its species with a range missing.
void AddNearMissRows(PointSpeciesRows &rows, const PointAnswer &answer);

// The near misses at a grid point of a map window, from the catalogue's
// ranges and the grid's climate: the lookup the map windows are given.
void NearMissesFromCatalogue(PointSpeciesRows &rows, const std::shared_ptr<const ShapeLayer> &grid, std::uint32_t feature);

// Opens the planting list of a grid point: a "Suitable Tree Species" window
// titled with the use (`useText`, "all uses" for every species) listing the
// point's values, the suitable species of that use and their near misses.
frmIdentifyEngine *ShowPlantingList(const PointAnswer &answer, const QString &useText, QWidget *owner);
