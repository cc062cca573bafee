#pragma once
#include "analysis/SuitableArea.h"

#include <QString>

#include <vector>

// Areas of a set of point classes per province, country by country. A point
// counts in a province only when the province lies in the point's country
// (the two layers are drawn at different scales, so along a border a
// province's outline may reach over into the neighbour); the country's other
// points are "outside the provinces". So a country's provinces and its
// outside row add up to the country's row.
struct ProvinceAreaBlock {
    AreaRow country;                // named by the country
    std::vector<AreaRow> provinces; // by name, each named by its province; only those holding grid points
    AreaRow outside;                // the country's points in none of its provinces
    bool hasProvinces = false;      // the province layer has provinces of this country
};
struct ProvinceAreaTable {
    std::vector<ProvinceAreaBlock> countries; // by name; only countries holding grid points
    AreaRow outsideCountries;                 // points in no country
    AreaRow total;
    bool oneCountry = false;                  // one country was asked for: the total is its row
};

// `provinces` from AssignProvinces. `onlyCountry` (a country's name, empty:
// all) keeps that country's block alone, the total being its row.
ProvinceAreaTable SumProvinceAreas(const std::vector<const std::vector<std::uint32_t> *> &classes, const GridCells &cells,
                                   const CountryAssignment &countries, const CountryAssignment &provinces,
                                   const QString &onlyCountry = QString());

// The row caption of a country's points in none of its provinces.
QString OutsideProvincesText(); // "outside the provinces"
