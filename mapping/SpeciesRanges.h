#pragma once
#include "mapping/Classification.h"

#include <QString>
#include <QVariant>

// A species' stored ranges and invasive status, read from the open catalogue.
struct SpeciesRanges {
    bool found = false;    // false: no species has the identifier (every bound missing)
    Bounds bounds;         // as stored: a null value is missing
    QVariant invasiveStatus;
    QVariant stored[6];    // MinAltitude, MaxAltitude, MinRainfall, MaxRainfall, MinTemperature, MaxTemperature
};

// Reads the species' ranges for any identifier a catalogue holds (a 32-bit
// whole number; the map window's own 16-bit limit is its own affair); an
// identifier that is no whole number, or that names no species, gives a
// record with nothing found. Throws CatalogueError
// when the catalogue cannot be read.
SpeciesRanges ReadSpeciesRanges(const QString &spId);
