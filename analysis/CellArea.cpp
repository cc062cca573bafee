#include "analysis/CellArea.h"

#include "mapping/MapError.h"

#include <algorithm>
#include <cmath>
#include <numbers>

double GridStep(std::span<const double> coordinates)
{
    std::vector<double> sorted;
    sorted.reserve(coordinates.size());
    for (double c : coordinates)
        if (std::isfinite(c))
            sorted.push_back(c);
    std::sort(sorted.begin(), sorted.end());
    constexpr double same = 1e-6;
    double step = 0;
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        const double gap = sorted[i] - sorted[i - 1];
        if (gap > same && (step == 0 || gap < step))
            step = gap;
    }
    return step;
}

double CellAreaKm2(double stepXDegrees, double stepYDegrees, double latitudeDegrees)
{
    constexpr double radians = std::numbers::pi / 180.0;
    const double dx = stepXDegrees * radians * EarthRadiusKm;
    const double dy = stepYDegrees * radians * EarthRadiusKm;
    return dx * dy * std::cos(latitudeDegrees * radians);
}

GridCells GridCells::of(const ShapeLayer &canvas)
{
    if (!canvas.hasPointArrays())
        throw MapError(QStringLiteral("%1 is not a layer of points, so it cannot stand for grid cells.").arg(canvas.path()));
    GridCells cells;
    cells.stepX = GridStep(canvas.xs());
    cells.stepY = GridStep(canvas.ys());
    if (cells.stepX <= 0 || cells.stepY <= 0)
        throw MapError(QStringLiteral("%1 has no regular spacing of points, so no cell area can be given.").arg(canvas.path()));
    const auto ys = canvas.ys();
    cells.areaKm2.resize(ys.size());
    for (std::size_t i = 0; i < ys.size(); ++i)
        cells.areaKm2[i] = std::isfinite(ys[i]) ? CellAreaKm2(cells.stepX, cells.stepY, ys[i]) : 0.0;
    return cells;
}
