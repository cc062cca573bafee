#include "cli/CliData.h"

#include "analysis/PointMap.h"
#include "base/AppIdentity.h"
#include "base/NotWritten.h"
#include "catalogue/CatalogueError.h"
#include "cli/CliCommand.h"
#include "cli/OptionReaders.h"
#include "mapping/MapError.h"
#include "mapping/MapSources.h"
#include "mapping/SpeciesRanges.h"

#include <QDateTime>

MapData LoadMaps()
{
    try {
        return MapData::loadApplication();
    } catch (const MapError &e) {
        throw CliFailure(ExitDataError, e.message());
    }
}

SpeciesMatch ResolveSpecies(const QString &text)
{
    const SpeciesLookup lookup = LookUpSpecies(text);
    if (lookup.found)
        return lookup.species;
    QString message = lookup.ambiguous ? QStringLiteral("\"%1\" names several species").arg(text)
                                       : QStringLiteral("\"%1\" names no species of the catalogue").arg(text);
    if (!lookup.candidates.isEmpty()) {
        message += QStringLiteral("; candidates:");
        for (const SpeciesMatch &c : lookup.candidates)
            message += QStringLiteral("\n  %1  %2").arg(c.spId).arg(c.name);
    }
    throw CliFailure(ExitDataError, message);
}

void AddRangeOptions(CommandLine &line)
{
    line.addOption({QStringLiteral("alt"), QStringLiteral("Altitude range to use, in m."), QStringLiteral("MIN,MAX")});
    line.addOption({QStringLiteral("mar"), QStringLiteral("Rainfall range to use, in mm."), QStringLiteral("MIN,MAX")});
    line.addOption({QStringLiteral("mat"), QStringLiteral("Temperature range to use, in \u00b0C."), QStringLiteral("MIN,MAX")});
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

void RequirePictureName(const QString &path)
{
    if (path.isEmpty())
        UsageError(QStringLiteral("-o FILE.png or FILE.bmp is needed"));
    if (!IsMapPictureName(path))
        UsageError(QStringLiteral("-o takes a .png or .bmp file, not \"%1\"").arg(path));
}

void SavePicture(const QImage &image, const QString &path)
{
    try {
        SaveMapPicture(image, path);
    } catch (const MapError &e) {
        throw CliFailure(ExitNotWritten, OldFileKept(e.message()));
    }
}
