#pragma once
#include "cli/GridRaster.h"
#include "mapping/ShapeLayer.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// A scenario grid: another climate (a projection) on exactly the points of a
// grid folder, kept in <grid folder>/scenarios/<name>/ in the grid's own
// format (the same five pasia_canvas files, read by the same reader) with a
// sources.txt of its own. The points, their altitude and their country
// numbers are the grid's; rainfall and temperature come from the scenario's
// rasters, sampled on the grid's cells by the grid builder.

// The grid a scenario belongs to, read as the application reads it, with
// the cell of each point in the grid's frame (from its sources.txt).
struct ScenarioBase {
    QString folder;
    GridFrame frame;
    std::shared_ptr<const ShapeLayer> points;
    std::vector<std::uint32_t> cells; // of each point, row * columns + column
};
// Throws a data CliFailure when the folder holds no grid, or one whose cells
// cannot be known (not built by grid build or grid fetch).
ScenarioBase ReadScenarioBase(const QString &gridFolder);

struct ScenarioRequest {
    QString name;           // the folder's name in scenarios/ (a plain name)
    RasterInput mar, mat;   // the scenario's rainfall (mm) and temperature (°C)
    QString source;         // the grid layer's source line: what the climate is
    QStringList notes;      // further "key = text" lines of sources.txt
};

// Builds the scenario's folder through a fresh folder put in place at the
// end; returns the number of points. Refuses a scenario whose points would
// differ from the grid's (a point of the grid without a value in its
// rasters). Throws CliFailure.
std::size_t BuildScenarioFolder(const ScenarioBase &grid, const ScenarioRequest &request);
