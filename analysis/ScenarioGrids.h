#pragma once
#include "mapping/MapLayer.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

// The scenario grids installed beside a grid: another climate (a projection
// of one climate model) on exactly the grid's points, each in
// <grid folder>/scenarios/<name>/ in the grid's own format with a
// sources.txt naming its model (gcm), pathway (ssp), period, source and
// citation. A folder still being built (".part-" in its name) is not one.
struct ScenarioGrid {
    QString name;   // the folder's name
    QString folder; // with a trailing separator
    QString gcm, ssp, period, source, citation, terms;

    // "MPI-ESM1-2-HR ssp245 2041-2060", or the folder's name when its
    // sources.txt does not say.
    QString title() const;
};

// The installed scenarios of the grid folder, by name; none without a
// scenarios folder.
std::vector<ScenarioGrid> ListScenarioGrids(const QString &gridFolder);
// The one of that name; throws Error naming the installed ones otherwise.
ScenarioGrid FindScenarioGrid(const QString &gridFolder, const QString &name);
// The scenario's grid layer, read with the grid's own reader. Throws Error
// when it cannot be read, lacks ALT, MAR or MAT, or its points are not exactly
// the grid's (same number, same places, same order), since a comparison point
// by point would then compare different places.
std::shared_ptr<MapLayer> LoadScenarioLayer(const ScenarioGrid &scenario, const ShapeLayer &grid);

// Every scenario installed beside a grid (in the folder of its file), read
// for looking up its values at the grid's points.
struct ScenarioLayers {
    std::vector<std::pair<ScenarioGrid, std::shared_ptr<MapLayer>>> read;
    QStringList problems; // why each of the others cannot be used
};
ScenarioLayers ReadScenarioLayers(const ShapeLayer &grid);
// Each scenario's MAR and MAT at a point of the grid (its feature), as rows
// of an identify list shown below the grid's own values (a scenario keeps the
// grid's altitude): {"MAR, scenario GCM-1 ssp245 2041-2060", "1830"}.
QList<QStringList> ScenarioValueRows(const ScenarioLayers &scenarios, std::uint32_t feature);
