#pragma once
#include "places/PlaceIndex.h"

#include <QMap>
#include <QString>

#include <vector>

// The countries of the region: ISO code and the name the country boundary
// layer gives them.
const QMap<QString, QString> &RegionCountries();

// One line of a GeoNames dump (tab-separated: id, name, ASCII name, alternate
// names, latitude, longitude, feature class and code, country, ..., admin
// codes 1 and 2, ..., population), or nothing for a line of another country
// or another feature class than populated places.
struct GeoNamesRow {
    Place place;
    QStringList alternates;
    QString featureCode, admin1, admin2; // admin codes as "TH.02", "ID.10.3404"
};
bool ReadGeoNamesRow(const QString &line, GeoNamesRow &row);

// Leaves out the division codes of the countries whose codes the names do not
// know in more than a quarter of their places: the names are of another
// edition of GeoNames than the dump (Vietnam renumbered its provinces), so
// their names would be put on the wrong places. Returns those countries.
QStringList DropUnknownDivisions(std::vector<GeoNamesRow> &rows, const QMap<QString, QString> &admin1);

// Gives each populated place without a province the NAME of the province
// layer's polygon holding it (layer of NAME and COUNTRY fields).
void ProvincesFromLayer(std::vector<PlaceIndex::Entry> &entries, const QString &provinceLayer);

// The places of the dump's rows with their division names, then each named
// district and province that holds a place, placed at its seat (the place
// GeoNames marks as the division's seat, else its largest place) with the
// population of its places.
std::vector<PlaceIndex::Entry> RegionEntries(const std::vector<GeoNamesRow> &rows, const QMap<QString, QString> &admin1,
                                             const QMap<QString, QString> &admin2);
