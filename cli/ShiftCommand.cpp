#include "analysis/ClimateShift.h"
#include "analysis/MapClasses.h"
#include "analysis/PictureStamps.h"
#include "analysis/PointMap.h"
#include "cli/CliCommand.h"
#include "cli/CliData.h"
#include "cli/Commands.h"
#include "cli/OptionReaders.h"

#include <QCoreApplication>

#include <optional>

namespace {

// What the command line asks of the shift.
struct ShiftOptions {
    QString species;
    RowFormat format = RowFormat::Table;
    double dT = 0;
    double dP = 0;
    bool byCountry = false;
    QSize size;
    QString output; // "": no map file
    QString scenario; // "": the uniform shift
};

// What the grid's climate is compared with: the shifted grid, or a scenario
// grid on its points.
struct Comparison {
    std::optional<LoadedScenario> scenario;
    QString text;   // "MAT +2 °C, MAR -10 %" or "scenario GCM ssp245 2041-2060"
    QString caveat; // what it is not
};

void addShiftOptions(CommandLine &line)
{
    line.addPositional(QStringLiteral("SPECIES"), QCoreApplication::translate("ShiftCommand", "Identifier, current name or synonym."));
    line.addOption({QStringLiteral("dt"), QCoreApplication::translate("ShiftCommand", "Change of MAT in °C (default 0)."), QStringLiteral("DT")});
    line.addOption({QStringLiteral("dp"), QCoreApplication::translate("ShiftCommand", "Change of MAR in percent (default 0)."), QStringLiteral("DP")});
    AddScenarioOption(line, QCoreApplication::translate("ShiftCommand", "Compare with this installed scenario grid instead of a uniform shift "
                                           "(silvaria-cli scenarios lists them); not with --dt or --dp."));
    line.addOption({QStringLiteral("by-country"), QCoreApplication::translate("ShiftCommand", "One row per country of the boundary layer.")});
    AddOutputOption(line, QCoreApplication::translate("ShiftCommand", "Also write the kept, lost and gained points: a picture (.png or .bmp), a GeoTIFF "
                                         "(.tif) or a GeoPackage (.gpkg)."));
    AddRangeOptions(line);
    line.addOption({QStringLiteral("size"), QCoreApplication::translate("ShiftCommand", "Picture size in pixels (default 1000x750)."), QStringLiteral("WxH")});
}

// Every option checked before any work is done.
ShiftOptions readShiftOptions(const CommandLine &line)
{
    ShiftOptions options;
    options.species = line.requiredPositional(QStringLiteral("SPECIES"));
    options.format = line.rowFormat();
    const auto number = [&line](const QString &name) { return line.isSet(name) ? NumberOption(name, line.value(name)) : 0; };
    options.scenario = line.value(QStringLiteral("scenario"));
    if (line.isSet(QStringLiteral("scenario")) && (line.isSet(QStringLiteral("dt")) || line.isSet(QStringLiteral("dp"))))
        UsageError(QCoreApplication::translate("ShiftCommand", "--scenario does not go with --dt or --dp: a scenario grid brings its own climate"));
    if (line.isSet(QStringLiteral("scenario")) && options.scenario.trimmed().isEmpty())
        UsageError(QCoreApplication::translate("ShiftCommand", "--scenario needs the name of an installed scenario grid"));
    options.dT = number(QStringLiteral("dt"));
    options.dP = number(QStringLiteral("dp"));
    if (options.dP < -100)
        UsageError(QCoreApplication::translate("ShiftCommand", "--dp cannot take away more than 100 % of the rainfall"));
    options.byCountry = line.isSet(QStringLiteral("by-country"));
    options.size = PictureSizeOption(line);
    options.output = line.value(QStringLiteral("output"));
    if (line.isSet(QStringLiteral("output")))
        RequireMapFileName(options.output);
    return options;
}

Comparison comparisonOf(const MapData &maps, const ShiftOptions &options)
{
    if (options.scenario.isEmpty())
        return {std::nullopt, ShiftText(options.dT, options.dP), ShiftCaveat()};
    LoadedScenario loaded = LoadScenario(maps, options.scenario);
    const QString text = ScenarioText(loaded.scenario);
    return {std::move(loaded), text, ScenarioCaveat()};
}

void writeShiftPicture(const MapData &maps, const SpeciesMatch &species, const Bounds &bounds,
                       const ClimateShiftResult &shift, const ShiftOptions &options, const Comparison &comparison)
{
    PointMapRequest request;
    request.size = options.size;
    request.classes = ShiftClasses(shift);
    const StampSpecies stamped{species.name, QString::number(species.spId), DrawnRangesText(bounds, maps.ranges)};
    if (comparison.scenario) {
        request.title = ScenarioPictureTitle(species.name, comparison.scenario->scenario);
        request.stamp = ScenarioPictureStamp(stamped, comparison.scenario->scenario, SourceStamp(maps));
    } else {
        request.title = ShiftPictureTitle(species.name, options.dT, options.dP);
        request.stamp = ShiftPictureStamp(stamped, options.dT, options.dP, SourceStamp(maps));
    }
    SaveMap(maps, request, ClassValues(request.classes, maps.canvas->data()->featureCount()), options.output);
}

// The km² kept, lost and gained, with the shift or scenario and its caveat.
void printShiftAreas(const SpeciesMatch &species, const ClimateShiftResult &shift, const ShiftOptions &options,
                     const Comparison &comparison)
{
    Rows rows = AreaRowsFor(shift.areas, options.byCountry, {QStringLiteral("Kept"), QStringLiteral("Lost"), QStringLiteral("Gained")});
    if (options.format == RowFormat::Table) {
        PrintOut(QCoreApplication::translate("ShiftCommand", "%1 (SpID %2), %3: %4\n")
                     .arg(species.name)
                     .arg(species.spId)
                     .arg(comparison.text, comparison.caveat));
    } else {
        rows.headers << QStringLiteral("Note");
        rows.decimals << -1;
        for (QVariantList &row : rows.rows)
            row << (comparison.scenario ? comparison.text + QStringLiteral(": ") + comparison.caveat : comparison.caveat);
    }
    PrintOut(FormatRows(rows, options.format));
}

} // namespace

int RunShiftCommand(const QStringList &arguments)
{
    CommandLine line(QStringLiteral("shift"), QCoreApplication::translate("ShiftCommand", "The species' full match with the grid's MAT raised by DT °C and MAR changed by DP %, "
                                    "altitude unchanged, or with the climate of an installed scenario grid (--scenario): the km2 "
                                    "kept, lost and gained. A uniform shift of the grid's climate is not a climate "
                                    "projection; a scenario is the projection of one climate model, not a forecast."));
    addShiftOptions(line);
    if (!line.parse(arguments))
        return ExitDone;
    const ShiftOptions options = readShiftOptions(line);
    line.openCatalogue();
    const SpeciesMatch species = ResolveSpecies(options.species);
    const Bounds bounds = ResolveBounds(line, species.spId);
    const MapData maps = LoadMaps();
    const Comparison comparison = comparisonOf(maps, options);
    const GridCells cells = GridCells::of(*maps.canvas->data());
    const auto countries = CountryAssignment::of(maps.canvas->data(), maps.boundaries->data());
    const ShapeLayer &second = comparison.scenario ? *comparison.scenario->layer->data() : *maps.canvas->data();
    const ClimateShiftResult shift = CompareClimates(maps, cells, *countries, bounds, second, options.dT, options.dP);
    if (!options.output.isEmpty())
        writeShiftPicture(maps, species, bounds, shift, options, comparison);
    printShiftAreas(species, shift, options, comparison);
    return ExitDone;
}
