#include "analysis/CellArea.h"
#include "analysis/MapClasses.h"
#include "analysis/PictureStamps.h"
#include "analysis/PointMap.h"
#include "analysis/SpeciesCount.h"
#include "base/NotWritten.h"
#include "base/SafeFileWrite.h"
#include "cli/CliCommand.h"
#include "cli/CliData.h"
#include "cli/Commands.h"
#include "cli/OptionReaders.h"
#include "mapping/AttributeColumn.h"

#include <QCoreApplication>

#include <bit>
#include <optional>

namespace {

void writePoints(const QString &path, const MapData &maps, const std::vector<std::uint32_t> &counts)
{
    const ShapeLayer &grid = *maps.canvas->data();
    const int pointId = grid.attributes().indexOf(QStringLiteral("POINTID"));
    QByteArray csv = "POINTID,LON,LAT,COUNT\n";
    for (std::uint32_t i = 0; i < counts.size(); ++i) {
        const QString id = pointId >= 0 ? grid.attributes().column(pointId).valueText(i) : QString::number(i + 1);
        const double x = grid.hasPointArrays() ? grid.xs()[i] : grid.featureExtent(i).center().x;
        const double y = grid.hasPointArrays() ? grid.ys()[i] : grid.featureExtent(i).center().y;
        csv += QStringLiteral("%1,%2,%3,%4\n").arg(id, NumberText::shortest(x), NumberText::shortest(y)).arg(counts[i]).toUtf8();
    }
    try {
        WriteFileSafely(path, csv);
    } catch (const std::runtime_error &e) {
        throw CliFailure(ExitNotWritten, NotWrittenError(path, e).message());
    }
}

// The points and km² of each class of counts.
Rows countRows(const CountMap &map, const GridCells &cells)
{
    // A class is two numbers, so a spreadsheet cannot read "2-3" as a date.
    Rows rows{{QStringLiteral("Species from"), QStringLiteral("Species to"), QStringLiteral("Points"), QStringLiteral("km2")},
              {0, 0, 0, 0},
              {}};
    for (std::size_t b = 0; b < map.classes.size(); ++b) {
        double km2 = 0;
        for (std::uint32_t i : map.classes[b].points)
            km2 += cells.areaKm2[i];
        rows.rows << QVariantList{map.classing.bins[b].low, map.classing.bins[b].high, qulonglong(map.classes[b].points.size()), km2};
    }
    return rows;
}

// The scenario --scenario names, if any.
std::optional<LoadedScenario> scenarioOption(const CommandLine &line, const MapData &maps)
{
    if (!line.isSet(QStringLiteral("scenario")))
        return std::nullopt;
    return LoadScenario(maps, line.value(QStringLiteral("scenario")));
}

} // namespace

int RunCountCommand(const QStringList &arguments)
{
    CommandLine line(QStringLiteral("count"), QCoreApplication::translate("CountCommand", "How many species (of one use) are suitable at each grid point, by the rule of the "
                                    "Suitable Tree Species tool; drawn as a map, the points optionally as CSV."));
    line.addOption({QStringLiteral("use"), QCoreApplication::translate("CountCommand", "Only species of this use."), QStringLiteral("USE")});
    AddOutputOption(line, QCoreApplication::translate("CountCommand", "The file to write: a picture (.png or .bmp), a GeoTIFF of the counts (.tif) or a "
                                         "GeoPackage of the grid's points (.gpkg)."));
    line.addOption({QStringLiteral("points"), QCoreApplication::translate("CountCommand", "Also write POINTID, LON, LAT, COUNT per grid point."), QStringLiteral("FILE.csv")});
    line.addOption({QStringLiteral("size"), QCoreApplication::translate("CountCommand", "Picture size in pixels (default 1000x750)."), QStringLiteral("WxH")});
    AddScenarioOption(line, QCoreApplication::translate("CountCommand", "Count on the climate of this installed scenario grid (silvaria-cli scenarios lists them)."));
    if (!line.parse(arguments))
        return ExitDone;
    if (!line.positional().isEmpty())
        UsageError(QCoreApplication::translate("CountCommand", "count takes no argument \"%1\"").arg(line.positional().front()));
    const RowFormat format = line.rowFormat();
    const std::uint16_t use = line.isSet(QStringLiteral("use")) ? UseOption(line.value(QStringLiteral("use"))) : 0;
    const QString output = line.value(QStringLiteral("output"));
    RequireMapFileName(output);
    const QSize size = PictureSizeOption(line);
    line.openCatalogue();
    const MapData maps = LoadMaps();
    const SpeciesRangeTable species = SpeciesRangeTable::read();
    const std::optional<LoadedScenario> scenario = scenarioOption(line, maps);
    const std::vector<std::uint32_t> counts =
        SpeciesCountGrid(GridClimate::read(*(scenario ? scenario->layer : maps.canvas)->data())).count(species, use);
    const GridCells cells = GridCells::of(*maps.canvas->data());

    const QString useText = use ? UseNames()[std::countr_zero(use)] : QStringLiteral("all uses");
    PointMapRequest request;
    request.size = size;
    const ScenarioGrid *named = scenario ? &scenario->scenario : nullptr;
    request.title = CountPictureTitle(useText, named);
    CountMap map = CountClasses(counts);
    const QString note = map.classing.note();
    Rows rows = countRows(map, cells);
    request.classes = std::move(map.classes);
    request.stamp = CountPictureStamp(useText, species.rows.size(), note, SourceStamp(maps), named);
    SaveMap(maps, request, CountValues(counts, map.classing, request.classes), output);
    if (line.isSet(QStringLiteral("points")))
        writePoints(line.value(QStringLiteral("points")), maps, counts);
    const QString climate = scenario ? ScenarioText(scenario->scenario) + QStringLiteral(": ") + ScenarioCaveat() : QString();
    if (format == RowFormat::Table) {
        PrintOut((scenario ? QCoreApplication::translate("CountCommand", "Climate: %1\n").arg(climate) : QString()) + QCoreApplication::translate("CountCommand", "Classes: %1\n").arg(note));
    } else {
        rows.headers << QStringLiteral("Note");
        rows.decimals << -1;
        for (QVariantList &row : rows.rows)
            row << QStringLiteral("classes: ") + note + (scenario ? QStringLiteral("; ") + climate : QString());
    }
    PrintOut(FormatRows(rows, format));
    return ExitDone;
}
