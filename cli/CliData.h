#pragma once
#include "analysis/MapClasses.h"
#include "analysis/MapData.h"
#include "analysis/PointMap.h"
#include "analysis/ScenarioGrids.h"
#include "analysis/SpeciesLookup.h"
#include "analysis/SuitabilityClasses.h"
#include "analysis/SuitableArea.h"
#include "cli/RowOutput.h"

#include <QImage>
#include <QList>
#include <QPair>

class CommandLine;

// The map layers of the open application folder; a data error when unreadable.
MapData LoadMaps();
// A scenario grid beside the maps' grid, with its grid layer.
struct LoadedScenario {
    ScenarioGrid scenario;
    std::shared_ptr<MapLayer> layer;
};
// The scenario of that name; an unknown name (the installed ones listed) or
// a scenario on other points than the grid's is a data error.
LoadedScenario LoadScenario(const MapData &maps, const QString &name);
// Adds --scenario NAME.
void AddScenarioOption(CommandLine &line, const QString &what);

// The species a command names; unknown or ambiguous is a data error listing
// up to ten candidates.
SpeciesMatch ResolveSpecies(const QString &text);
// The species' catalogue ranges with --alt, --mar, --mat put in where given.
Bounds ResolveBounds(const CommandLine &line, int spId);
// Adds --alt, --mar and --mat (each MIN,MAX).
void AddRangeOptions(CommandLine &line);
// Adds -o/--output FILE.
void AddOutputOption(CommandLine &line, const QString &what);

// The stamp every picture carries after its own entries: the data sources
// of both layers, the program version and the date.
QList<QPair<QString, QString>> SourceStamp(const MapData &maps);
// Saves a picture; a failure is "not written" (the old file kept).
void SavePicture(const QImage &image, const QString &path);

// A species' suitability map: its size, extent (invalid: the whole map) and classes shown.
struct SpeciesMapOptions {
    QSize size{1000, 750};
    MapExtent extent;
    ClassChoice shown = AllClasses;
};
// The picture of the species' classes with its title and stamp.
PointMapRequest SpeciesMapRequest(const MapData &maps, const SpeciesMatch &species, const Bounds &bounds,
                                  const SpeciesMapOptions &options, const std::vector<PointClassLayer> &classes);

// The kinds of map file, by the name's extension (any case): .png or .bmp,
// .tif or .tiff, .gpkg.
enum class MapFileKind { Picture, GeoTiff, GeoPackage };
// The kind of an output map's name, checked before any work is done; another
// extension, or no name, is a usage error naming those accepted.
MapFileKind RequireMapFileName(const QString &path);
// Writes the map to `path` as its kind asks: the picture `request` draws, or
// the grid's points with `values` and the request's title and stamp as a
// GeoTIFF or a GeoPackage (cli/GisOutput.h). A failure is "not written".
void SaveMap(const MapData &maps, const PointMapRequest &request, const GridValues &values, const QString &path);

// Area rows: country, land km², then km² and share (%) of each class; one row
// per country (and outside) with byCountry, and the total.
Rows AreaRowsFor(const AreaTable &table, bool byCountry, const QStringList &classes);
// Area rows per province: country, province, land km², then km² and share of
// each class; each country's provinces, its points outside them and its own
// row (province empty), then outside the boundaries and the total unless one
// country is shown.
struct ProvinceAreaTable;
Rows ProvinceRowsFor(const ProvinceAreaTable &table, const QStringList &classes);
