#pragma once
#include "analysis/CellArea.h"
#include "analysis/CountryAssignment.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// Areas in km² of a set of point classes, per country of the boundary layer.
struct AreaRow {
    QString country;                 // a NAME, OutsideBoundariesText() or "total"
    std::vector<double> km2;         // one per class
    double landKm2 = 0;              // all gridded land of the row
    double share(std::size_t k) const { return landKm2 > 0 ? km2[k] / landKm2 : 0; }
};
struct AreaTable {
    std::vector<AreaRow> countries;  // by name; only countries holding grid points
    AreaRow outside;                 // points in no country
    AreaRow total;
};

// Sums the cell areas of each class's points per country.
AreaTable SumAreas(const std::vector<const std::vector<std::uint32_t> *> &classes, const GridCells &cells,
                   const CountryAssignment &countries);
