#include "analysis/ScenarioGrids.h"

#include "analysis/GridClimate.h"
#include "analysis/PictureStamps.h"
#include "base/Error.h"
#include "mapping/AttributeColumn.h"
#include "mapping/MapSources.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

QString ScenarioGrid::title() const
{
    if (gcm.isEmpty() || ssp.isEmpty() || period.isEmpty())
        return name;
    return QStringLiteral("%1 %2 %3").arg(gcm, ssp, period);
}

std::vector<ScenarioGrid> ListScenarioGrids(const QString &gridFolder)
{
    std::vector<ScenarioGrid> found;
    const QDir scenarios(QDir(gridFolder).filePath(QStringLiteral("scenarios")));
    for (const QString &name : scenarios.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString folder = scenarios.filePath(name) + QLatin1Char('/');
        if (name.contains(QStringLiteral(".part-")) || !QFileInfo::exists(folder + QStringLiteral("pasia_canvas.shp")))
            continue;
        const auto sources = ReadLayerSources(folder);
        found.push_back({name, folder, sources.value(QStringLiteral("gcm")), sources.value(QStringLiteral("ssp")),
                         sources.value(QStringLiteral("period")), sources.value(QStringLiteral("pasia_canvas")),
                         sources.value(QStringLiteral("citation")), sources.value(QStringLiteral("terms"))});
    }
    return found;
}

ScenarioGrid FindScenarioGrid(const QString &gridFolder, const QString &name)
{
    const std::vector<ScenarioGrid> installed = ListScenarioGrids(gridFolder);
    QStringList names;
    for (const ScenarioGrid &s : installed) {
        if (s.name == name)
            return s;
        names << s.name;
    }
    throw Error(names.isEmpty() ? QStringLiteral("no scenario \"%1\": the grid in %2 has no scenario grids installed "
                                                 "(silvaria-cli grid fetch worldclim --future GCM SSP PERIOD adds one)")
                                      .arg(name, gridFolder)
                                : QStringLiteral("no scenario \"%1\" in %2; installed: %3")
                                      .arg(name, gridFolder, names.join(QStringLiteral(", "))));
}

std::shared_ptr<MapLayer> LoadScenarioLayer(const ScenarioGrid &scenario, const ShapeLayer &grid)
{
    std::shared_ptr<MapLayer> layer = MapLayer::fromFile(scenario.folder + QStringLiteral("pasia_canvas.shp"));
    const ShapeLayer &points = *layer->data();
    const auto refuse = [&](const QString &why) {
        throw Error(QStringLiteral("the scenario %1 cannot be compared with the grid: %2").arg(scenario.name, why),
                    points.path());
    };
    if (!points.hasPointArrays() || !grid.hasPointArrays())
        refuse(QStringLiteral("it is not a point grid"));
    for (int c = 0; c < 3; ++c)
        GridClimate::fieldOf(points, c);
    if (points.featureCount() != grid.featureCount())
        refuse(QStringLiteral("it has %1 points, the grid %2").arg(points.featureCount()).arg(grid.featureCount()));
    for (std::uint32_t i = 0; i < grid.featureCount(); ++i)
        if (points.xs()[i] != grid.xs()[i] || points.ys()[i] != grid.ys()[i])
            refuse(QStringLiteral("its point %1 is at %2, %3, the grid's at %4, %5")
                       .arg(i + 1)
                       .arg(points.xs()[i], 0, 'f', 4).arg(points.ys()[i], 0, 'f', 4)
                       .arg(grid.xs()[i], 0, 'f', 4).arg(grid.ys()[i], 0, 'f', 4));
    return layer;
}

ScenarioLayers ReadScenarioLayers(const ShapeLayer &grid)
{
    ScenarioLayers layers;
    for (const ScenarioGrid &scenario : ListScenarioGrids(QFileInfo(grid.path()).absolutePath())) {
        try {
            layers.read.emplace_back(scenario, LoadScenarioLayer(scenario, grid));
        } catch (const Error &e) {
            layers.problems << e.message();
        }
    }
    return layers;
}

QList<QStringList> ScenarioValueRows(const ScenarioLayers &scenarios, std::uint32_t feature)
{
    QList<QStringList> rows;
    for (const auto &[scenario, layer] : scenarios.read)
        for (int c : {int(Rainfall), int(Temperature)}) {
            const ShapeLayer &points = *layer->data();
            const AttributeColumn &column = points.attributes().column(GridClimate::fieldOf(points, c));
            rows << QStringList{column.name() + QStringLiteral(", ") + ScenarioText(scenario), column.valueText(feature)};
        }
    return rows;
}
