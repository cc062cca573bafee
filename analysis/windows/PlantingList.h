#pragma once
#include "analysis/NearMisses.h"

#include <QString>

class QWidget;
class frmIdentifyEngine;

// The answers at one grid point in a "Suitable Tree Species" window.

// Fills the window's near-miss list (criterion, point value, range, miss;
// smallest relative miss first) and its list of species with a range missing.
void FillNearMisses(frmIdentifyEngine *window, const PointAnswer &answer);

// Lets every "Suitable Tree Species" window opened from a map fill those
// lists from the catalogue's ranges and the grid's climate.
void InstallNearMisses();

// Opens the planting list of a grid point: a "Suitable Tree Species" window
// titled with the use (`useText`, "all uses" for every species) listing the
// point's values, the suitable species of that use and their near misses.
frmIdentifyEngine *ShowPlantingList(const PointAnswer &answer, const QString &useText, QWidget *owner);
