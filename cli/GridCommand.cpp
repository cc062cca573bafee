#include "cli/CliCommand.h"
#include "cli/Commands.h"
#include "cli/GridFolder.h"
#include "cli/GridOptions.h"
#include "cli/GridProgress.h"

#include <QCoreApplication>

namespace {

void addBuildOptions(CommandLine &line)
{
    const QString layers[3][2] = {{QStringLiteral("alt"), QStringLiteral("Altitude raster, metres.")},
                                  {QStringLiteral("mar"), QStringLiteral("Mean annual rainfall raster, mm per year.")},
                                  {QStringLiteral("mat"), QStringLiteral("Mean annual temperature raster, °C.")}};
    for (const auto &[name, text] : layers)
        line.addOption({name, text, QStringLiteral("FILE")});
    for (const auto &[name, text] : layers) {
        line.addOption({name + QStringLiteral("-band"), QStringLiteral("The band of --%1 to read, from 1 (needed when it has several).").arg(name), QStringLiteral("N")});
        line.addOption({name + QStringLiteral("-nodata"), QStringLiteral("The value of --%1 that marks places without data, when the raster does not declare it (--%1-nodata=-9999).").arg(name), QStringLiteral("VALUE")});
    }
    line.addOption({QStringLiteral("mar-scale"), QCoreApplication::translate("GridCommand", "Multiply the rainfall values by this (default 1)."), QStringLiteral("FACTOR")});
    line.addOption({QStringLiteral("mat-scale"), QCoreApplication::translate("GridCommand", "Multiply the temperature values by this (0.1 for tenths)."), QStringLiteral("FACTOR")});
    line.addOption({QStringLiteral("mat-offset"), QCoreApplication::translate("GridCommand", "Then add this to the temperature (-273.15 for kelvin)."), QStringLiteral("DEGREES")});
    AddGridFolderOptions(line);
}

void readRasterInputs(const CommandLine &line, RasterInput inputs[3])
{
    const char *const names[3] = {"alt", "mar", "mat"};
    for (int i = 0; i < 3; ++i) {
        const QString name = QLatin1String(names[i]);
        if (!line.isSet(name))
            UsageError(QCoreApplication::translate("GridCommand", "grid build needs --alt, --mar and --mat"));
        inputs[i].path = line.value(name);
        if (const QString band = name + QStringLiteral("-band"); line.isSet(band)) {
            bool whole = false;
            inputs[i].band = line.value(band).toInt(&whole);
            if (!whole || inputs[i].band < 1)
                UsageError(QCoreApplication::translate("GridCommand", "--%1 takes a band number from 1, not \"%2\"").arg(band, line.value(band)));
        }
        if (const QString nodata = name + QStringLiteral("-nodata"); line.isSet(nodata))
            inputs[i].nodata = NumberOption(nodata, line.value(nodata));
        if (const QString scale = name + QStringLiteral("-scale"); i > 0 && line.isSet(scale)) {
            inputs[i].scale = NumberOption(scale, line.value(scale));
            if (inputs[i].scale == 0)
                UsageError(QCoreApplication::translate("GridCommand", "--%1 cannot be 0").arg(scale));
        }
    }
    if (line.isSet(QStringLiteral("mat-offset")))
        inputs[2].offset = NumberOption(QStringLiteral("mat-offset"), line.value(QStringLiteral("mat-offset")));
}

// grid without an action: the usage, asked for (on standard output) or as a
// usage error when nothing or only common options followed; any other word
// is refused.
int withoutAction(const QStringList &arguments)
{
    const bool asked = arguments.value(0) == QLatin1String("--help") || arguments.value(0) == QLatin1String("-h");
    if (!asked && !arguments.isEmpty() && !arguments.front().startsWith(QLatin1String("--")))
        UsageError(QCoreApplication::translate("GridCommand", "grid takes build or fetch, not \"%1\"").arg(arguments.front()));
    (asked ? PrintOut : PrintError)(
        QStringLiteral("Usage: silvaria-cli grid build --alt FILE --mar FILE --mat FILE --extent W,S,E,N --step MINUTES -o FOLDER\n"
                       "       silvaria-cli grid fetch worldclim --res 10m|5m|2.5m|30s [--extent W,S,E,N] [--step MINUTES] -o FOLDER\n"
                       "       silvaria-cli grid fetch worldclim --res RES --future GCM SSP PERIOD [-o FOLDER]\n"
                       "(silvaria-cli grid build --help and grid fetch --help tell more)\n"));
    return asked ? ExitDone : ExitUsage;
}

int runBuild(const QStringList &arguments)
{
    StartGridProgress(QStringLiteral("grid build"), false);
    CommandLine line(QStringLiteral("grid build"),
                     QStringLiteral("Builds the map grid (pasia_canvas.shp) from rasters of altitude (m), annual rainfall "
                                    "(mm) and mean temperature (°C) in any format GDAL reads, and the country "
                                    "boundaries (country_bnd.shp) from any vector source. The points are the centres of "
                                    "the grid's cells where all three rasters have a value. The folder (an application's "
                                    "ShapeFiles folder) is replaced whole at the end; its other files are kept."));
    addBuildOptions(line);
    if (!line.parse(arguments))
        return ExitDone;
    if (line.positional().size() > 0)
        UsageError(QCoreApplication::translate("GridCommand", "grid build takes no argument \"%1\"").arg(line.positional().front()));
    GridFolderRequest request;
    readRasterInputs(line, request.inputs);
    request.frame = GridFrameOption(line, QStringLiteral("grid build"), std::nullopt);
    ReadGridFolderOptions(line, QStringLiteral("grid build"), request);
    BuildGridFolder(request);
    return ExitDone;
}

} // namespace

int RunGridCommand(const QStringList &arguments)
{
    const QString action = arguments.value(0);
    if (action == QLatin1String("build"))
        return runBuild(arguments.mid(1));
    if (action == QLatin1String("fetch"))
        return RunGridFetch(arguments.mid(1));
    return withoutAction(arguments);
}
