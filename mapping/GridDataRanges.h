#pragma once
#include "mapping/Classification.h"

#include <QString>

#include <optional>

// The data ranges species ranges are clamped to: those of the loaded grid
// when its folder describes them, else the fixed ranges of the bundled grid.
//
// A grid folder describes them in its "sources.txt", beside the layer
// sources, one line per field:
//   data range ALT = 0 to 6098
// All three fields must be there and well formed (lower at most upper), or
// the fixed ranges hold.

// The fixed ranges of the bundled grid.
GridRanges FixedGridRanges();
// The ranges a "sources.txt" text gives; nothing when it gives no complete set.
std::optional<GridRanges> ParseGridRanges(const QString &sourcesText);
// The lines that describe `ranges` in "sources.txt".
QString GridRangesText(const GridRanges &ranges);

// The ranges of the grid in `shapeFolder`: those its "sources.txt" gives, else the fixed ones.
GridRanges ReadGridRanges(const QString &shapeFolder);
// Makes the ranges of the grid in `shapeFolder` the active ones (the fixed
// ranges when its "sources.txt" gives none). Called whenever map layers are loaded.
void LoadGridDataRanges(const QString &shapeFolder);
// Sets the active ranges directly (nothing: the fixed ranges).
void SetGridDataRanges(const std::optional<GridRanges> &ranges);
