#pragma once
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

// The regular lattice a point grid's points sit on as cell centres: the step
// along each axis, the outer edges of the cells and the cell of every point,
// found from the points themselves (a raster of the grid needs them).
struct GridLattice {
    double west = 0, north = 0;  // outer edges of the cells, in degrees
    double stepX = 0, stepY = 0; // cell size in degrees
    std::int64_t columns = 0, rows = 0;
    std::vector<std::int64_t> cell; // per point: row * columns + column, rows from the north; -1 without a position

    // The step of an axis is the smallest gap between its distinct
    // coordinates, made exact over the axis' span. Throws MapError, naming
    // `what`, when the points have no such lattice: fewer than two distinct
    // coordinates on an axis, a point more than a tenth of a step off its
    // cell's centre, or two points in one cell.
    static GridLattice of(std::span<const double> xs, std::span<const double> ys, const QString &what);
};
