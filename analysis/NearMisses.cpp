#include "analysis/NearMisses.h"

#include "analysis/SuitabilityClasses.h"
#include "mapping/AttributeColumn.h"
#include "mapping/MapViewport.h"

#include <algorithm>
#include <cmath>

double IdentifyReach(const MapExtent &extent)
{
    constexpr double dpi = 96, mapWidthTwips = 7560, mapHeightTwips = 4815;
    const MapViewport viewport(extent, QSize(int(mapWidthTwips / 1440 * dpi), int(mapHeightTwips / 1440 * dpi)));
    return 100.0 / 1440.0 * dpi * viewport.unitsPerPixel();
}

QString NearMiss::text() const
{
    static const char *const field[3] = {"ALT", "MAR", "MAT"};
    static const char *const below[3] = {"too low", "too dry", "too cold"};
    static const char *const above[3] = {"too high", "too wet", "too warm"};
    const double shown = std::round(miss * 10) / 10;
    return QStringLiteral("%1 %2 %3 %4")
        .arg(QLatin1String(field[criterion]), NumberText::shortest(shown), UnitOf(criterion),
             QLatin1String(value < min ? below[criterion] : above[criterion]));
}

PointAnswer AnswerAtFeature(const SpeciesRangeTable &species, const GridClimate &climate, std::uint32_t feature,
                            std::uint16_t useMask, double nearLimit)
{
    PointAnswer answer;
    answer.found = true;
    answer.feature = feature;
    double v[3];
    for (int c = 0; c < 3; ++c) {
        answer.values[c] = climate.stored[c][feature];
        v[c] = climate.engine[c][feature];
    }
    for (const SpeciesRangeRow &row : species.rows) {
        if (useMask && !(row.useMask & useMask))
            continue;
        if (row.suitableAt(v)) {
            answer.suitable.push_back(&row);
            continue;
        }
        int stated = 0, missed = 0, missedAt = -1;
        for (int c = 0; c < 3; ++c) {
            if (!row.stated[c])
                continue;
            ++stated;
            if (!(row.min[c] <= v[c] && v[c] <= row.max[c])) {
                ++missed;
                missedAt = c;
            }
        }
        if (stated < 3) {
            if (missed == 0 && stated > 0)
                answer.incomplete.push_back(&row);
            continue;
        }
        if (missed != 1 || std::isnan(v[missedAt]))
            continue;
        NearMiss near;
        near.species = &row;
        near.criterion = missedAt;
        near.value = v[missedAt];
        near.min = row.min[missedAt];
        near.max = row.max[missedAt];
        near.miss = near.value < near.min ? near.min - near.value : near.value - near.max;
        const double width = near.max - near.min;
        if (!(width > 0))
            continue; // a single value or a reversed range has no width to be near in
        near.relative = near.miss / width;
        if (near.relative <= nearLimit)
            answer.nearMisses.push_back(near);
    }
    std::stable_sort(answer.nearMisses.begin(), answer.nearMisses.end(),
                     [](const NearMiss &a, const NearMiss &b) { return a.relative < b.relative; });
    return answer;
}

PointAnswer AnswerAtPoint(const SpeciesRangeTable &species, const GridClimate &climate, const MapLayer &canvas,
                          const MapPoint &at, double reach, std::uint16_t useMask, double nearLimit)
{
    const MapRecordSet found = canvas.searchAtPoint(at, reach);
    if (found.isEOF())
        return {};
    PointAnswer answer = AnswerAtFeature(species, climate, found.featureId(), useMask, nearLimit);
    answer.position = canvas.data()->hasPointArrays()
                          ? MapPoint{canvas.data()->xs()[answer.feature], canvas.data()->ys()[answer.feature]}
                          : canvas.data()->featureExtent(answer.feature).center();
    return answer;
}
