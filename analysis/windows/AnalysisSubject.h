#pragma once
#include "mapping/Classification.h"

#include <QString>

// The species and ranges an analysis window works on.
struct AnalysisSubject {
    int spId = 0;
    QString name;
    Bounds bounds;      // as given; the analyses clamp them as the map does
    QString rangesFrom; // "the map window's boxes", "the catalogue"

    // The species of the active map window with the ranges in its boxes, or
    // else the current species with the catalogue's ranges. Throws
    // Error with a message for the user: a box that is not a
    // number, no current species, no such species in the catalogue.
    static AnalysisSubject forActiveMap();
    // A species with the catalogue's ranges; throws as above.
    static AnalysisSubject fromCatalogue(int spId);
    // Why no area can be found for the ranges ("" when one can): no range is
    // complete within the grid's data ranges.
    QString rangeProblem(const GridRanges &ranges) const;
    // "Durio zibethinus (SpID 32): ALT 0 to 800 m, ..." with the ranges clamped to the grid's.
    QString description(const GridRanges &ranges) const;
};
