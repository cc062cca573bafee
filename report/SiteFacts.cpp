#include "report/SiteFacts.h"

#include "analysis/PictureStamps.h"
#include "base/AboutTexts.h"
#include "catalogue/ListStatements.h"
#include "mapping/MapRecordSet.h"
#include "mapping/MapSources.h"
#include "mapping/PolygonNames.h"
#include "report/ReportText.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

// The grid points whose counts describe the site's surroundings.
constexpr double SurroundingsKm = 50;
constexpr double KmPerDegree = 111.195;

double distanceKm(double lon1, double lat1, double lon2, double lat2)
{
    const double rad = M_PI / 180;
    const double a = std::pow(std::sin((lat2 - lat1) * rad / 2), 2) +
                     std::cos(lat1 * rad) * std::cos(lat2 * rad) * std::pow(std::sin((lon2 - lon1) * rad / 2), 2);
    return 2 * 6371.0 * std::asin(std::min(1.0, std::sqrt(a)));
}

PointAnswer answerAt(const SiteReportSources &sources, const SiteReportRequest &request, std::uint16_t mask)
{
    MapExtent full = sources.maps.canvas->extent();
    full.include(sources.maps.boundaries->extent());
    const double reach = IdentifyReach(full);
    PointAnswer answer = AnswerAtPoint(sources.species, sources.climate, *sources.maps.canvas, {request.lon, request.lat}, reach, mask);
    if (!answer.found)
        throw SiteOutsideGrid(SiteReportText::tr("No grid point lies within %1 km of %2, %3: the position is outside the map's grid.")
                                  .arg(QLocale().toString(reach * KmPerDegree, 'f', 0), QLocale().toString(request.lon, 'f', 4),
                                       QLocale().toString(request.lat, 'f', 4)));
    static const char *const fields[3] = {"ALT", "MAR", "MAT"};
    for (int c = 0; c < 3; ++c)
        if (std::isnan(answer.values[c]))
            throw Error(SiteReportText::tr("The grid point at %1, %2 has no %3 value, so no species can be matched to it.")
                            .arg(QLocale().toString(answer.position.x, 'f', 4), QLocale().toString(answer.position.y, 'f', 4),
                                 QLatin1String(fields[c])));
    return answer;
}

// The uses the groups follow: those asked for, else every use.
QStringList groupUses(std::uint16_t mask)
{
    QStringList uses;
    for (const QString &use : UseNames())
        if (!mask || (UseFromName(use) & mask))
            uses << use;
    return uses;
}

std::vector<UseGroup> groupsOf(const std::vector<ReportSpecies> &species, std::uint16_t mask)
{
    std::vector<UseGroup> groups;
    std::vector<bool> told(species.size(), false);
    for (const QString &use : groupUses(mask)) {
        UseGroup group{use, {}, {}};
        for (std::size_t i = 0; i < species.size(); ++i)
            if (species[i].row->useMask & UseFromName(use))
                (told[i] ? group.describedAbove : group.described).push_back(int(i));
        for (int i : group.described)
            told[i] = true;
        if (mask || !group.described.empty() || !group.describedAbove.empty())
            groups.push_back(group);
    }
    UseGroup unrecorded;
    for (std::size_t i = 0; i < species.size(); ++i)
        if (!told[i])
            unrecorded.described.push_back(int(i));
    if (!unrecorded.described.empty())
        groups.push_back(unrecorded);
    return groups;
}

// The grid points within the surroundings' radius of the site.
std::vector<std::uint32_t> surroundings(const SiteReportSources &sources, const MapPoint &site)
{
    const double degrees = SurroundingsKm / KmPerDegree;
    const MapRecordSet found = sources.maps.canvas->searchByDistance(site, degrees);
    return found.featureIds();
}

void countUses(SiteFacts &facts, const SiteReportSources &sources, std::uint16_t mask)
{
    const std::vector<std::uint32_t> around = surroundings(sources, facts.answer.position);
    for (const QString &use : groupUses(mask)) {
        const std::vector<std::uint32_t> counts = sources.countGrid.count(sources.species, UseFromName(use));
        UseCount count{use, counts[facts.answer.feature], counts[facts.answer.feature], counts[facts.answer.feature]};
        for (std::uint32_t f : around) {
            count.fewestAround = std::min(count.fewestAround, counts[f]);
            count.mostAround = std::max(count.mostAround, counts[f]);
        }
        facts.counts.push_back(count);
    }
    facts.surroundingsKm = SurroundingsKm;
    const CountMap map = CountClasses(sources.countGrid.count(sources.species, mask));
    facts.countClassing = map.classing;
    facts.countClasses = map.classes;
    facts.countMap = SiteCountMap(sources, map.classes, facts.answer.position);
}

void describeSite(SiteFacts &facts, const SiteReportSources &sources)
{
    facts.distanceKm = distanceKm(facts.request.lon, facts.request.lat, facts.answer.position.x, facts.answer.position.y);
    facts.country = PolygonFieldAt(*sources.maps.boundaries->data(), facts.answer.position, QStringLiteral("NAME"));
    facts.siteLanguages = LanguagesOfCountry(facts.country);
    facts.gridSource = LayerSource(sources.layerSources, QStringLiteral("pasia_canvas"));
    facts.boundarySource = LayerSource(sources.layerSources, QStringLiteral("country_bnd"));
    facts.climateLine = GridClimateLine(sources.layerSources.value(QStringLiteral("pasia_canvas")));
    if (sources.scenario) {
        facts.climateLine = SiteReportText::tr("Rainfall and temperature: %1, %2.").arg(ScenarioText(*sources.scenario), ScenarioCaveat());
        facts.scenario = ScenarioText(*sources.scenario) + QStringLiteral("; ") + sources.scenario->source;
    }
}

} // namespace

SiteFacts GatherSiteFacts(const SiteReportSources &sources, const SiteReportRequest &request)
{
    const std::uint16_t mask = SiteReportUses(request.uses);
    SiteFacts facts;
    facts.request = request;
    if (mask)
        facts.usesAsked = groupUses(mask);
    facts.answer = answerAt(sources, request, mask);
    describeSite(facts, sources);
    for (const SpeciesRangeRow *row : facts.answer.suitable)
        facts.species.push_back({row, ReadSpeciesSheetLines(row->spId, facts.siteLanguages),
                                 SiteSuitabilityMap(sources, *row, facts.answer.position)});
    facts.groups = groupsOf(facts.species, mask);
    countUses(facts, sources, mask);
    for (const ReportSpecies &s : facts.species)
        facts.references += s.sheet.references;
    facts.references.removeDuplicates();
    facts.references.sort(Qt::CaseInsensitive);
    return facts;
}

SiteReportSources ScenarioSources(const SiteReportSources &grid, const QString &name)
{
    ScenarioGrid scenario = FindScenarioGrid(grid.maps.folder, name);
    MapData maps = grid.maps;
    maps.canvas = LoadScenarioLayer(scenario, *grid.maps.canvas->data());
    GridClimate climate = GridClimate::read(*maps.canvas->data());
    SpeciesCountGrid countGrid(climate);
    return {std::move(maps), grid.species, std::move(climate), std::move(countGrid), grid.layerSources, std::move(scenario)};
}

std::uint16_t SiteReportUses(const QStringList &uses)
{
    std::uint16_t mask = 0;
    for (const QString &use : uses) {
        const std::uint16_t bit = UseFromName(use.trimmed());
        if (!bit)
            throw UnknownUse(SiteReportText::tr("\"%1\" is no functional use of the catalogue; the uses are %2.")
                                 .arg(use.left(80), UseNames().join(QStringLiteral(", "))));
        mask |= bit;
    }
    return mask;
}
