#include "analysis/GridLattice.h"

#include "analysis/CellArea.h"
#include "mapping/MapError.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// One axis of the lattice: the first cell centre, the step and the number of cells.
struct Axis {
    double first = 0, step = 0;
    std::int64_t count = 0;
};

Axis axisOf(std::span<const double> coordinates, const QString &what, const QString &name)
{
    const double gap = GridStep(coordinates);
    if (gap <= 0)
        throw MapError(QStringLiteral("%1 has fewer than two distinct %2 coordinates, so it has no grid step.").arg(what, name), what);
    double low = std::numeric_limits<double>::infinity(), high = -low;
    for (double c : coordinates) {
        if (std::isfinite(c)) {
            low = std::min(low, c);
            high = std::max(high, c);
        }
    }
    // The smallest gap may carry the rounding of two coordinates; the span
    // divided by the whole number of steps it holds does not.
    const double steps = std::round((high - low) / gap);
    return {low, (high - low) / steps, std::int64_t(steps) + 1};
}

// The cell of `c` along the axis, or -1 when it lies more than a tenth of a
// step off that cell's centre.
std::int64_t indexOn(const Axis &axis, double c)
{
    const double at = (c - axis.first) / axis.step;
    const double index = std::round(at);
    return std::abs(at - index) <= 0.1 ? std::int64_t(index) : -1;
}

QString degrees(double v) { return QString::number(v, 'g', 10); }

} // namespace

GridLattice GridLattice::of(std::span<const double> xs, std::span<const double> ys, const QString &what)
{
    const Axis x = axisOf(xs, what, QStringLiteral("x")), y = axisOf(ys, what, QStringLiteral("y"));
    GridLattice lattice{x.first - x.step / 2, y.first + (double(y.count) - 0.5) * y.step, x.step, y.step, x.count, y.count, {}};
    lattice.cell.assign(xs.size(), -1);
    for (std::size_t i = 0; i < xs.size() && i < ys.size(); ++i) {
        if (!std::isfinite(xs[i]) || !std::isfinite(ys[i]))
            continue;
        const std::int64_t column = indexOn(x, xs[i]), fromSouth = indexOn(y, ys[i]);
        if (column < 0 || fromSouth < 0)
            throw MapError(QStringLiteral("%1 is not a regular grid: the point at %2, %3 lies off the lattice of %4 by %5 degree "
                                          "cells that its points' smallest spacing gives.")
                               .arg(what, degrees(xs[i]), degrees(ys[i]), degrees(x.step), degrees(y.step)),
                           what);
        lattice.cell[i] = (y.count - 1 - fromSouth) * x.count + column;
    }
    std::vector<std::int64_t> taken;
    std::copy_if(lattice.cell.begin(), lattice.cell.end(), std::back_inserter(taken), [](std::int64_t c) { return c >= 0; });
    std::sort(taken.begin(), taken.end());
    const auto twice = std::adjacent_find(taken.begin(), taken.end());
    if (twice != taken.end())
        throw MapError(QStringLiteral("%1 is not a regular grid: two points lie in the cell centred at %2, %3.")
                           .arg(what, degrees(lattice.west + (double(*twice % x.count) + 0.5) * x.step),
                                degrees(lattice.north - (double(*twice / x.count) + 0.5) * y.step)),
                       what);
    return lattice;
}
