#pragma once
#include "analysis/GridClimate.h"
#include "analysis/MapClasses.h"
#include "analysis/MapData.h"
#include "analysis/ScenarioGrids.h"
#include "analysis/NearMisses.h"
#include "analysis/SpeciesCount.h"
#include "analysis/SpeciesRangeTable.h"
#include "report/SiteReport.h"

#include <QImage>
#include <QMap>
#include <QPair>

#include <vector>

// What a report reads, loaded once (SiteReportData holds it).
struct SiteReportSources {
    MapData maps;
    SpeciesRangeTable species;
    GridClimate climate;
    SpeciesCountGrid countGrid;
    QMap<QString, QString> layerSources; // the grid folder's sources.txt
    std::optional<ScenarioGrid> scenario; // whose climate the grid layer holds; none: the grid's own
};

// The sources with an installed scenario's climate in place of the grid's
// (its layer as the maps' grid). Throws Error naming the installed ones, or
// why the scenario cannot be read.
SiteReportSources ScenarioSources(const SiteReportSources &grid, const QString &name);

// What the catalogue says of one species, for its entry in the report.
struct SpeciesSheetLines {
    QString family;
    QList<QPair<QString, QString>> commonNames; // language, names; the site's languages first
    QString products, propagation;              // the fact sheet's texts, whole
    QStringList references;
};

// A species listed as suitable, with its small map.
struct ReportSpecies {
    const SpeciesRangeRow *row = nullptr;
    SpeciesSheetLines sheet;
    QImage map;
};

// A functional use's group: the species told of in full here, and those
// told of in an earlier group.
struct UseGroup {
    QString use;                    // the use's name; empty: species with no use recorded
    std::vector<int> described;     // indexes into SiteFacts::species
    std::vector<int> describedAbove;
};

// How many species of a use suit the site and the grid points around it.
struct UseCount {
    QString use;
    std::uint32_t atSite = 0, fewestAround = 0, mostAround = 0;
};

// Everything the report says, before it is written out.
struct SiteFacts {
    SiteReportRequest request;
    QStringList usesAsked;          // the catalogue's names of the uses asked for; empty: every use
    PointAnswer answer;
    double distanceKm = 0;          // from the position to the grid point
    QString country;                // of the grid point, from the boundaries
    QStringList siteLanguages;      // the catalogue's languages of that country
    QString gridSource, boundarySource, climateLine;
    QString scenario; // "scenario GCM SSP PERIOD", with its source; empty on the grid's own climate
    std::vector<ReportSpecies> species; // the suitable species, in catalogue order
    std::vector<UseGroup> groups;
    std::vector<UseCount> counts;
    double surroundingsKm = 0;      // the radius the counts around the site cover
    QImage countMap;
    CountClassing countClassing;
    std::vector<PointClassLayer> countClasses;
    QStringList references;         // of every species listed, sorted, once each
};

// Gathers the facts of a request. Throws as BuildSiteReport does.
SiteFacts GatherSiteFacts(const SiteReportSources &sources, const SiteReportRequest &request);

// The catalogue's entry lines of a species; throws CatalogueError.
SpeciesSheetLines ReadSpeciesSheetLines(int spId, const QStringList &languagesFirst);
// The catalogue languages spoken in a country of the boundaries ("Thailand": Thai).
QStringList LanguagesOfCountry(const QString &country);

// The small suitability map of a species around the site, the site marked.
QImage SiteSuitabilityMap(const SiteReportSources &sources, const SpeciesRangeRow &species, const MapPoint &site);
// The species count map around the site, the site marked.
QImage SiteCountMap(const SiteReportSources &sources, const std::vector<PointClassLayer> &classes, const MapPoint &site);
// The view of the site's maps: this wide and high in degrees, centred on the site.
MapExtent SiteMapExtent(const MapPoint &site, double width, double height);
