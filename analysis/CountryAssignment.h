#pragma once
#include "mapping/ShapeLayer.h"

#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

// The country of every grid point: the NAME of the boundary polygon holding
// it (the first in file order when polygons overlap), found by point in
// polygon through the boundary layer's spatial index. Features of the same
// name form one country. Points in no polygon are "outside the boundaries".
struct CountryAssignment {
    QStringList names;                // the countries, sorted by name
    std::vector<std::uint16_t> index; // per grid point: into names, or names.size() outside

    std::uint16_t outside() const { return std::uint16_t(names.size()); }

    // Throws MapError when the boundary layer is not polygons or has no NAME field.
    static CountryAssignment compute(const ShapeLayer &grid, const ShapeLayer &boundaries);
    // The same with each feature's name given (one per feature); a feature
    // whose name is empty holds no points.
    static CountryAssignment compute(const ShapeLayer &grid, const ShapeLayer &polygons, const QStringList &featureNames);
    // The assignment of this pair of layers, computed on first use and kept
    // while both layers are in memory.
    static std::shared_ptr<const CountryAssignment> of(const std::shared_ptr<const ShapeLayer> &grid,
                                                       const std::shared_ptr<const ShapeLayer> &boundaries);
};

// The row caption of points outside every country.
QString OutsideBoundariesText(); // "outside the boundaries"
