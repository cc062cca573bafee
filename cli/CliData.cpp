#include "cli/CliData.h"

#include "analysis/PictureStamps.h"
#include "analysis/PointMap.h"
#include "base/AppIdentity.h"
#include "base/NotWritten.h"
#include "catalogue/CatalogueError.h"
#include "cli/CliCommand.h"
#include "cli/GisOutput.h"
#include "cli/OptionReaders.h"
#include "mapping/MapError.h"
#include "mapping/MapSources.h"
#include "mapping/SpeciesRanges.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>

MapData LoadMaps()
{
    try {
        return MapData::loadApplication();
    } catch (const MapError &e) {
        throw CliFailure(ExitDataError, e.message());
    }
}

LoadedScenario LoadScenario(const MapData &maps, const QString &name)
{
    try {
        LoadedScenario loaded{FindScenarioGrid(maps.folder, name), nullptr};
        loaded.layer = LoadScenarioLayer(loaded.scenario, *maps.canvas->data());
        return loaded;
    } catch (const Error &e) {
        throw CliFailure(ExitDataError, e.message());
    }
}

void AddScenarioOption(CommandLine &line, const QString &what)
{
    line.addOption({QStringLiteral("scenario"), what, QStringLiteral("NAME")});
}

SpeciesMatch ResolveSpecies(const QString &text)
{
    const SpeciesLookup lookup = LookUpSpecies(text);
    if (lookup.found)
        return lookup.species;
    QString message = lookup.ambiguous ? QCoreApplication::translate("CliData", "\"%1\" names several species").arg(text)
                                       : QCoreApplication::translate("CliData", "\"%1\" names no species of the catalogue").arg(text);
    if (!lookup.candidates.isEmpty()) {
        message += QStringLiteral("; candidates:");
        for (const SpeciesMatch &c : lookup.candidates)
            message += QStringLiteral("\n  %1  %2").arg(c.spId).arg(c.name);
    }
    throw CliFailure(ExitDataError, message);
}

void AddRangeOptions(CommandLine &line)
{
    line.addOption({QStringLiteral("alt"), QCoreApplication::translate("CliData", "Altitude range to use, in m."), QStringLiteral("MIN,MAX")});
    line.addOption({QStringLiteral("mar"), QCoreApplication::translate("CliData", "Rainfall range to use, in mm."), QStringLiteral("MIN,MAX")});
    line.addOption({QStringLiteral("mat"), QCoreApplication::translate("CliData", "Temperature range to use, in °C."), QStringLiteral("MIN,MAX")});
}

void AddOutputOption(CommandLine &line, const QString &what)
{
    line.addOption({{QStringLiteral("o"), QStringLiteral("output")}, what, QStringLiteral("FILE")});
}

Bounds ResolveBounds(const CommandLine &line, int spId)
{
    RangeOverride given;
    static const char *const options[3] = {"alt", "mar", "mat"};
    for (int c = 0; c < 3; ++c) {
        const QString name = QLatin1String(options[c]);
        if (line.isSet(name)) {
            const RangeValue range = RangeOption(name, line.value(name));
            given.given[c] = true;
            given.min[c] = range.min;
            given.max[c] = range.max;
        }
    }
    try {
        return SpeciesBounds(ReadSpeciesRanges(QString::number(spId)).bounds, given);
    } catch (const CatalogueError &e) {
        throw CliFailure(ExitDataError, e.message());
    }
}

QList<QPair<QString, QString>> SourceStamp(const MapData &maps)
{
    return SourceStampOf(maps.folder, QStringLiteral("silvaria-cli"));
}

MapFileKind RequireMapFileName(const QString &path)
{
    const QString accepted = QCoreApplication::translate("CliData", "a picture (.png or .bmp), a GeoTIFF (.tif or .tiff) or a GeoPackage (.gpkg)");
    if (path.isEmpty())
        UsageError(QCoreApplication::translate("CliData", "-o FILE is needed: %1").arg(accepted));
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (IsMapPictureName(path))
        return MapFileKind::Picture;
    if (suffix == QLatin1String("tif") || suffix == QLatin1String("tiff"))
        return MapFileKind::GeoTiff;
    if (suffix == QLatin1String("gpkg"))
        return MapFileKind::GeoPackage;
    UsageError(QCoreApplication::translate("CliData", "-o takes %1, not \"%2\"").arg(accepted, path));
}

void SaveMap(const MapData &maps, const PointMapRequest &request, const GridValues &values, const QString &path)
{
    const GisMap map{request.title, request.stamp, values};
    switch (RequireMapFileName(path)) {
    case MapFileKind::Picture: SavePicture(RenderPointMap(maps, request), path); break;
    case MapFileKind::GeoTiff: WriteGeoTiff(*maps.canvas->data(), map, path); break;
    case MapFileKind::GeoPackage: WritePointGeoPackage(*maps.canvas->data(), map, path); break;
    }
}

void SavePicture(const QImage &image, const QString &path)
{
    try {
        SaveMapPicture(image, path);
    } catch (const MapError &e) {
        throw CliFailure(ExitNotWritten, OldFileKept(e.message()));
    }
}

PointMapRequest SpeciesMapRequest(const MapData &maps, const SpeciesMatch &species, const Bounds &bounds,
                                  const SpeciesMapOptions &options, const std::vector<PointClassLayer> &classes)
{
    PointMapRequest request;
    request.size = options.size;
    request.extent = options.extent;
    request.title = species.name;
    for (int order = 0; order < 4; ++order)
        if (options.shown[order])
            request.classes.push_back(classes[order]);
    const StampSpecies stamped{species.name, QString::number(species.spId), DrawnRangesText(bounds, maps.ranges)};
    request.stamp = SuitabilityPictureStamp(stamped, options.shown, SourceStamp(maps));
    return request;
}
