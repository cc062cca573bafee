#include "analysis/MapClasses.h"
#include "analysis/PictureStamps.h"
#include "analysis/PointMap.h"
#include "analysis/SpeciesRangeTable.h"
#include "cli/CliCommand.h"
#include "cli/CliData.h"
#include "cli/Commands.h"
#include "cli/OptionReaders.h"
#include "cli/PlaceLookup.h"
#include "mapping/SpeciesRanges.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

using MapOptions = SpeciesMapOptions;

MapOptions readOptions(const CommandLine &line)
{
    MapOptions options;
    options.size = PictureSizeOption(line);
    if (const auto extent = ViewExtentOption(line, options.size))
        options.extent = *extent;
    if (line.isSet(QStringLiteral("classes"))) {
        for (bool &s : options.shown)
            s = false;
        for (const QString &name : line.value(QStringLiteral("classes")).split(QLatin1Char(','))) {
            static const QStringList keys{QStringLiteral("alt"), QStringLiteral("mar"), QStringLiteral("mat"), QStringLiteral("full")};
            const qsizetype k = keys.indexOf(name.trimmed().toLower());
            if (k < 0)
                UsageError(QCoreApplication::translate("MapCommand", "--classes lists alt, mar, mat, full, not \"%1\"").arg(name));
            options.shown[k] = true;
        }
    }
    return options;
}

QString fileNameOf(const SpeciesRangeRow &row)
{
    QString name = row.name.simplified().toLower();
    for (QChar &c : name)
        if (!c.isLetterOrNumber())
            c = QLatin1Char('_');
    return QStringLiteral("%1_%2.png").arg(row.spId).arg(name);
}

void progress(int done, int total, const QString &name)
{
    constexpr int width = 30;
    const int filled = total ? done * width / total : width;
    PrintError(QStringLiteral("\r[%1%2] %3/%4 %5")
                   .arg(QString(filled, QLatin1Char('#')), QString(width - filled, QLatin1Char('.')))
                   .arg(done).arg(total)
                   .arg(name.left(40).leftJustified(40)));
    if (done == total)
        PrintError(QStringLiteral("\n"));
}

int allMaps(const CommandLine &line, const MapOptions &options)
{
    const QString folder = line.value(QStringLiteral("output"));
    if (folder.isEmpty())
        UsageError(QCoreApplication::translate("MapCommand", "map --all needs -o FOLDER"));
    if (!QDir().mkpath(folder))
        throw CliFailure(ExitNotWritten, QCoreApplication::translate("MapCommand", "%1: the folder cannot be made").arg(folder));
    line.openCatalogue();
    const MapData maps = LoadMaps();
    const SpeciesRangeTable table = SpeciesRangeTable::read();
    const bool terminal = ErrorIsTerminal();
    int done = 0;
    for (const SpeciesRangeRow &row : table.rows) {
        const SpeciesMatch species{row.spId, row.name};
        const Bounds bounds = ResolveBounds(line, row.spId);
        const PointMapRequest request = SpeciesMapRequest(maps, species, bounds, options, SuitabilityClassLayers(maps, bounds, options.shown));
        SavePicture(RenderPointMap(maps, request), QDir(folder).filePath(fileNameOf(row)));
        if (terminal)
            progress(++done, int(table.rows.size()), row.name);
    }
    PrintOut(QCoreApplication::translate("MapCommand", "%n maps written to %1\n", nullptr, int(table.rows.size())).arg(folder));
    return ExitDone;
}

} // namespace

int RunMapCommand(const QStringList &arguments)
{
    CommandLine line(QStringLiteral("map"), QCoreApplication::translate("MapCommand", "Draws the suitability map of a species (altitude, rainfall, temperature and full "
                                    "match over the country boundaries) with a legend and a source stamp."));
    line.addPositional(QStringLiteral("SPECIES"), QCoreApplication::translate("MapCommand", "Identifier, current name or synonym."));
    AddOutputOption(line, QCoreApplication::translate("MapCommand", "The file to write: a picture (.png or .bmp), a GeoTIFF of the class numbers (.tif) "
                                         "or a GeoPackage of the grid's points (.gpkg); the folder of pictures for --all."));
    AddRangeOptions(line);
    line.addOption({QStringLiteral("size"), QCoreApplication::translate("MapCommand", "Picture size in pixels (default 1000x750)."), QStringLiteral("WxH")});
    line.addOption({QStringLiteral("extent"), QCoreApplication::translate("MapCommand", "Map extent in degrees (default: the whole map), or a place or LON,LAT "
                                                             "at the centre of a view 4 degrees wide."), QStringLiteral("W,S,E,N|PLACE")});
    line.addOption({QStringLiteral("country"), QCoreApplication::translate("MapCommand", "Narrows a place name of --extent to this country (code such as TH, or name)."),
                    QStringLiteral("CC")});
    line.addOption({QStringLiteral("classes"), QCoreApplication::translate("MapCommand", "Classes to show: alt,mar,mat,full (default all)."), QStringLiteral("LIST")});
    line.addOption({QStringLiteral("all"), QCoreApplication::translate("MapCommand", "One map per species of the catalogue, into FOLDER.")});
    if (!line.parse(arguments))
        return ExitDone;
    const MapOptions options = readOptions(line);
    if (line.isSet(QStringLiteral("all"))) {
        if (!line.positional().isEmpty())
            UsageError(QCoreApplication::translate("MapCommand", "map --all takes no SPECIES"));
        return allMaps(line, options);
    }
    const QString name = line.requiredPositional(QStringLiteral("SPECIES"));
    const QString output = line.value(QStringLiteral("output"));
    RequireMapFileName(output);
    line.openCatalogue();
    const SpeciesMatch species = ResolveSpecies(name);
    const Bounds bounds = ResolveBounds(line, species.spId);
    const MapData maps = LoadMaps();
    const std::vector<PointClassLayer> classes = SuitabilityClassLayers(maps, bounds, options.shown);
    SaveMap(maps, SpeciesMapRequest(maps, species, bounds, options, classes), ClassValues(classes, maps.canvas->data()->featureCount()),
            output);
    PrintOut(QCoreApplication::translate("MapCommand", "%1 written\n").arg(output));
    return ExitDone;
}
