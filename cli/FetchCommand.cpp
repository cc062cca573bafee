// grid fetch worldclim: the map grid, or a scenario grid on its points, from
// WorldClim 2.1 read over the network by GDAL and sampled by the grid builder.
#include "base/ApplicationFolder.h"
#include "cli/CliCommand.h"
#include "cli/Commands.h"
#include "cli/GridFolder.h"
#include "cli/GridOptions.h"
#include "cli/GridProgress.h"
#include "cli/NetworkReading.h"
#include "cli/ScenarioBuild.h"
#include "cli/WorldClim.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <functional>

namespace {

struct FetchOptions {
    QString resolution, base;
    QString gcm, ssp, period; // with --future
};

// --future takes three words, which QCommandLineParser cannot: they are taken
// out of the arguments before it reads the rest.
QStringList takeFuture(QStringList &arguments)
{
    const qsizetype at = std::max(arguments.indexOf(QStringLiteral("--future")), arguments.indexOf(QStringLiteral("-future")));
    if (at < 0)
        return {};
    const QStringList future = arguments.mid(at + 1, 3);
    if (future.size() < 3 || std::any_of(future.begin(), future.end(), [](const QString &w) { return w.startsWith(QLatin1Char('-')); }))
        UsageError(QCoreApplication::translate("FetchCommand", "--future takes GCM SSP PERIOD (--future MPI-ESM1-2-HR ssp245 2041-2060)"));
    arguments.remove(at, 4);
    for (const QString &name : future)
        if (!IsPlainName(name))
            UsageError(QCoreApplication::translate("FetchCommand", "--future takes plain names (letters, digits, '-' and '.'), not \"%1\"").arg(name));
    return future;
}

void addFetchOptions(CommandLine &line)
{
    line.addPositional(QStringLiteral("worldclim"), QCoreApplication::translate("FetchCommand", "The dataset: WorldClim 2.1 (worldclim.org)."));
    line.addOption({QStringLiteral("res"), QCoreApplication::translate("FetchCommand", "WorldClim's resolution: 10m, 5m, 2.5m or 30s."), QStringLiteral("RES")});
    line.addOption({QStringLiteral("future"), QCoreApplication::translate("FetchCommand", "A scenario grid on the points of the grid in -o (default: the "
                                                             "application's ShapeFiles), from a CMIP6 projection."),
                    QStringLiteral("GCM SSP PERIOD")});
    line.addOption({QStringLiteral("base-url"), QCoreApplication::translate("FetchCommand", "A mirror or local copy in place of %1, with the same paths below it.")
                                                    .arg(WorldClimServer()), QStringLiteral("URL")});
    AddGridFolderOptions(line);
}

FetchOptions readFetchOptions(const CommandLine &line, const QStringList &future)
{
    if (line.isSet(QStringLiteral("future"))) // given as --future=GCM, which takeFuture leaves
        UsageError(QCoreApplication::translate("FetchCommand", "--future takes three words: --future GCM SSP PERIOD"));
    if (line.positional() != QStringList{QStringLiteral("worldclim")})
        UsageError(QCoreApplication::translate("FetchCommand", "grid fetch takes the dataset worldclim, not \"%1\"").arg(line.positional().join(QLatin1Char(' '))));
    FetchOptions options{line.value(QStringLiteral("res")), WorldClimServer(), {}, {}, {}};
    const QString resolutions = WorldClimResolutions().join(QLatin1Char('|'));
    if (options.resolution.isEmpty())
        UsageError(QCoreApplication::translate("FetchCommand", "grid fetch needs --res %1").arg(resolutions));
    if (WorldClimPixelMinutes(options.resolution) == 0)
        UsageError(QCoreApplication::translate("FetchCommand", "--res is one of %1, not \"%2\"").arg(resolutions, options.resolution));
    if (line.isSet(QStringLiteral("base-url"))) {
        options.base = line.value(QStringLiteral("base-url"));
        while (options.base.endsWith(QLatin1Char('/')))
            options.base.chop(1);
        if (!options.base.startsWith(QLatin1String("http://")) && !options.base.startsWith(QLatin1String("https://")))
            UsageError(QCoreApplication::translate("FetchCommand", "--base-url takes an http:// or https:// address, not \"%1\"").arg(line.value(QStringLiteral("base-url"))));
    }
    if (!future.isEmpty()) // WorldClim spells the pathways in lower case (ssp245)
        options = {options.resolution, options.base, future[0], future[1].toLower(), future[2]};
    return options;
}

// The application's ShapeFiles, of --app-folder when given.
QString applicationShapeFiles(const CommandLine &line)
{
    if (!line.isSet(QStringLiteral("app-folder")))
        return ApplicationPath(QStringLiteral("\\ShapeFiles"));
    const QString folder = line.value(QStringLiteral("app-folder"));
    if (!QFileInfo(folder).isDir())
        throw CliFailure(ExitDataError, QCoreApplication::translate("FetchCommand", "%1: no such application folder").arg(folder));
    return QDir(folder).filePath(QStringLiteral("ShapeFiles"));
}

// Runs the network part of a fetch: GDAL configured and quiet, the download
// shown on a terminal, and any failure told with addresses, not GDAL's paths,
// saying that nothing was changed.
void fetching(const std::function<void()> &work)
{
    const NetworkReadingOptions network;
    const QuietGdalErrors quiet;
    const DownloadMeter meter;
    try {
        work();
    } catch (const CliFailure &e) {
        QString message = WithAddresses(e.message);
        if (!message.contains(QLatin1String("nothing was")) && !message.contains(QLatin1String("is kept")))
            message = QCoreApplication::translate("FetchCommand", "%1 (nothing was changed)").arg(message);
        throw CliFailure(e.code, message);
    }
    GridProgressLine(QStringLiteral("%1 downloaded").arg(ByteCountText(DownloadedBytes())));
}

// The source text of the current grid's climate.
QString observedClimate(const FetchOptions &o)
{
    return QStringLiteral("observed climate, 1970\u20132000 averages of WorldClim 2.1 at %1 arc minutes (MAR BIO12 annual "
                          "precipitation, MAT BIO1 annual mean temperature; ALT WorldClim elevation), fetched from %2 on %3")
        .arg(WorldClimPixelMinutes(o.resolution)).arg(o.base, QDate::currentDate().toString(Qt::ISODate));
}

int fetchCurrent(const CommandLine &line, const FetchOptions &o)
{
    GridFolderRequest request;
    request.frame = GridFrameOption(line, QStringLiteral("grid fetch"), BundledGridFrame());
    ReadGridFolderOptions(line, QStringLiteral("grid fetch"), request);
    CheckGridRequest(request);
    request.boundariesFrom = applicationShapeFiles(line);
    request.climate = observedClimate(o);
    request.notes = {QStringLiteral("citation = ") + WorldClimCitation(), QStringLiteral("terms = ") + WorldClimTerms()};
    const ArchiveMember files[3] = {WorldClimElevation(o.base, o.resolution), WorldClimBio(o.base, o.resolution, 12),
                                    WorldClimBio(o.base, o.resolution, 1)};
    fetching([&] {
        for (int i = 0; i < 3; ++i) {
            GridProgressLine(QStringLiteral("opening %1 in %2").arg(files[i].member, files[i].archive));
            RequireAvailable(files[i].archive);
            request.inputs[i].path = ArchiveMemberPath(files[i]);
            RequireRasterShape(request.inputs[i].path, files[i].archive, 1, WorldClimPixelMinutes(o.resolution));
        }
        BuildGridFolder(request);
    });
    return ExitDone;
}

int fetchFuture(const CommandLine &line, const FetchOptions &o)
{
    for (const char *option : {"extent", "step", "countries", "name-field"})
        if (line.isSet(QLatin1String(option)))
            UsageError(QCoreApplication::translate("FetchCommand", "--%1 does not go with --future: a scenario takes its grid's points").arg(QLatin1String(option)));
    const QString folder = line.isSet(QStringLiteral("output")) ? line.value(QStringLiteral("output")) : applicationShapeFiles(line);
    const ScenarioBase grid = ReadScenarioBase(folder);
    const QString address = WorldClimFuture(o.base, o.resolution, o.gcm, o.ssp, o.period);
    ScenarioRequest request;
    request.name = QStringLiteral("%1_%2_%3").arg(o.gcm, o.ssp, o.period);
    request.mar = {NetworkPath(address), 1, 0, 12, std::nullopt};
    request.mat = {NetworkPath(address), 1, 0, 1, std::nullopt};
    request.source = QStringLiteral("climate projection, not observations: MAR (BIO12 annual precipitation) and MAT (BIO1 annual "
                                    "mean temperature) of the global climate model %1 under %2 for %3, WorldClim 2.1 downscaled "
                                    "CMIP6 at %4 arc minutes; ALT and points those of the grid")
                         .arg(o.gcm, o.ssp, o.period).arg(WorldClimPixelMinutes(o.resolution));
    request.notes = {QStringLiteral("gcm = ") + o.gcm, QStringLiteral("ssp = ") + o.ssp, QStringLiteral("period = ") + o.period,
                     QStringLiteral("source = %1, fetched on %2").arg(address, QDate::currentDate().toString(Qt::ISODate)),
                     QStringLiteral("citation = ") + WorldClimCitation(), QStringLiteral("terms = ") + WorldClimTerms()};
    fetching([&] {
        GridProgressLine(QStringLiteral("opening %1").arg(address));
        RequireAvailable(address);
        RequireRasterShape(request.mar.path, address, WorldClimFutureBands, WorldClimPixelMinutes(o.resolution));
        BuildScenarioFolder(grid, request);
    });
    return ExitDone;
}

} // namespace

int RunGridFetch(const QStringList &arguments)
{
    StartGridProgress(QStringLiteral("grid fetch"), true);
    const GridFrame bundled = BundledGridFrame();
    CommandLine line(QStringLiteral("grid fetch"),
                     QStringLiteral("Builds the map grid from WorldClim 2.1 (1970\u20132000 averages: BIO1 as MAT, BIO12 as MAR, "
                                    "the elevation as ALT), read over the network, with the country boundaries of the "
                                    "folder or else of the application; or, with --future, a scenario grid on the points "
                                    "of that grid, in <folder>/scenarios/<GCM>_<SSP>_<PERIOD>. Without --extent and --step, "
                                    "the bundled grid's: %1,%2,%3,%4 and %5 arc minutes. Data: Fick and Hijmans 2017; free "
                                    "for academic and other non-commercial use (see worldclim.org for the terms).")
                         .arg(bundled.west).arg(bundled.south).arg(bundled.east).arg(bundled.north).arg(bundled.stepMinutes));
    addFetchOptions(line);
    QStringList rest = arguments;
    const QStringList future = takeFuture(rest);
    if (!line.parse(rest))
        return ExitDone;
    const FetchOptions options = readFetchOptions(line, future);
    return future.isEmpty() ? fetchCurrent(line, options) : fetchFuture(line, options);
}
