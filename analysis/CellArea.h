#pragma once
#include "mapping/ShapeLayer.h"

#include <span>
#include <vector>

// Radius of the sphere the cell areas are measured on, in km.
constexpr double EarthRadiusKm = 6371.0;

// The grid step in degrees along one axis, found from the grid itself: the
// smallest gap between neighbouring distinct coordinates (closer than a
// millionth of a degree counts as the same coordinate). 0 for fewer than two
// distinct coordinates.
double GridStep(std::span<const double> coordinates);

// The area in km² of a grid cell of stepX by stepY degrees centred at the
// latitude: (step in km)² × cos(latitude) for a square cell.
double CellAreaKm2(double stepXDegrees, double stepYDegrees, double latitudeDegrees);

// The area each grid point stands for.
struct GridCells {
    double stepX = 0;
    double stepY = 0;
    std::vector<double> areaKm2; // per feature; 0 for a point without a position

    // Throws MapError for a layer that is not a grid of points with a step.
    static GridCells of(const ShapeLayer &canvas);
};
