#pragma once
#include "analysis/ScenarioGrids.h"
#include "analysis/SuitabilityClasses.h"
#include "mapping/MapSources.h"

#include <QString>

#include <cstddef>

// What the saved pictures say of themselves, the same whether a window or a
// command writes them: the stamp below the map (kept as the PNG's texts too)
// and the legend's title. Each stamp ends with `sources`, the SourceStampOf
// the ShapeFiles folder the picture's layers came from, naming the program
// that wrote it.

// Whose picture it is.
struct StampSpecies {
    QString name;
    QString spId;
    // The ranges the picture was drawn with: DrawnRangesText of the species'
    // bounds, or a map window's BoxRangesText (the boxes the drawing wrote).
    QString ranges;
};

// The species count map: "Suitable species (timber)", on a scenario's
// climate "Suitable species (timber), scenario MPI-ESM1-2-HR ssp245 2041-2060".
QString CountPictureTitle(const QString &useText, const ScenarioGrid *scenario = nullptr);
// Count (of `catalogueSpecies`), Rule, Classes (the classing's note), the
// ScenarioEntries of a scenario counted on, then the sources.
PictureStamp CountPictureStamp(const QString &useText, std::size_t catalogueSpecies, const QString &classesNote,
                               const PictureStamp &sources, const ScenarioGrid *scenario = nullptr);

// The shift: "MAT +2 °C, MAR -10 %".
QString ShiftText(double dT, double dP);
// The climate shift map: "Acacia mangium, MAT +2 °C, MAR -10 %".
QString ShiftPictureTitle(const QString &species, double dT, double dP);
// Species, Ranges, Classes (the full match kept, lost, gained), Shift (with
// its caveat), then the sources.
PictureStamp ShiftPictureStamp(const StampSpecies &species, double dT, double dP, const PictureStamp &sources);

// "a projection of one climate model, not a forecast": every output of a
// scenario comparison says so.
QString ScenarioCaveat();
// The scenario: "scenario MPI-ESM1-2-HR ssp245 2041-2060".
QString ScenarioText(const ScenarioGrid &scenario);
// The scenario comparison map: "Acacia mangium, scenario MPI-ESM1-2-HR ssp245 2041-2060".
QString ScenarioPictureTitle(const QString &species, const ScenarioGrid &scenario);
// What a picture drawn on a scenario's climate says of it: Scenario (GCM,
// SSP, period, with its caveat), the scenario's source, and its citation and
// terms as its sources.txt gives them.
PictureStamp ScenarioEntries(const ScenarioGrid &scenario);
// Species, Ranges, Classes, the ScenarioEntries, then the sources.
PictureStamp ScenarioPictureStamp(const StampSpecies &species, const ScenarioGrid &scenario, const PictureStamp &sources);

// The suitability map: Species, Ranges, Classes (those shown, in drawing
// order: "altitude, full match", or "none"), then the sources.
PictureStamp SuitabilityPictureStamp(const StampSpecies &species, const ClassChoice &shown, const PictureStamp &sources);
