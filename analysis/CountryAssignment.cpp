#include "analysis/CountryAssignment.h"

#include "mapping/MapError.h"

#include <QMap>

#include <cmath>
#include <mutex>

QString OutsideBoundariesText() { return QStringLiteral("outside the boundaries"); }

CountryAssignment CountryAssignment::compute(const ShapeLayer &grid, const ShapeLayer &boundaries)
{
    if (boundaries.shapeType() != ShapeTypePolygon)
        throw MapError(QStringLiteral("%1 holds no polygons, so grid points cannot be given a country.").arg(boundaries.path()));
    const int nameField = boundaries.attributes().indexOf(QStringLiteral("NAME"));
    if (nameField < 0)
        throw MapError(QStringLiteral("%1 has no NAME field, so its countries cannot be named.").arg(boundaries.path()));

    // Country names sorted; each feature mapped to its country.
    const AttributeColumn &names = boundaries.attributes().column(nameField);
    QMap<QString, int> sorted;
    for (std::uint32_t f = 0; f < boundaries.featureCount(); ++f)
        sorted.insert(names.valueText(f).trimmed(), 0);
    CountryAssignment result;
    result.names = sorted.keys();
    if (result.names.size() >= 0xFFFF)
        throw MapError(QStringLiteral("%1 has too many countries.").arg(boundaries.path()));
    std::vector<std::uint16_t> countryOfFeature(boundaries.featureCount());
    for (std::uint32_t f = 0; f < boundaries.featureCount(); ++f)
        countryOfFeature[f] = std::uint16_t(result.names.indexOf(names.valueText(f).trimmed()));

    const std::uint32_t n = grid.featureCount();
    result.index.assign(n, result.outside());
    const bool arrays = grid.hasPointArrays();
    for (std::uint32_t i = 0; i < n; ++i) {
        MapPoint p;
        if (arrays) {
            p = {grid.xs()[i], grid.ys()[i]};
        } else {
            const MapExtent box = grid.featureExtent(i);
            if (!box.isValid())
                continue;
            p = box.center();
        }
        if (!std::isfinite(p.x) || !std::isfinite(p.y))
            continue;
        std::uint32_t best = UINT32_MAX;
        boundaries.index().forEachCandidate(MapExtent(p.x, p.y, p.x, p.y), [&](std::uint32_t f) {
            if (f < best && boundaries.featureContains(f, p))
                best = f;
        });
        if (best != UINT32_MAX)
            result.index[i] = countryOfFeature[best];
    }
    return result;
}

std::shared_ptr<const CountryAssignment> CountryAssignment::of(const std::shared_ptr<const ShapeLayer> &grid,
                                                               const std::shared_ptr<const ShapeLayer> &boundaries)
{
    // One entry per pair of layers in memory; entries of released layers are dropped.
    struct Entry {
        std::weak_ptr<const ShapeLayer> grid, boundaries;
        std::shared_ptr<const CountryAssignment> assignment;
    };
    static std::mutex lock;
    static std::vector<Entry> cache;
    std::lock_guard guard(lock);
    std::erase_if(cache, [](const Entry &e) { return e.grid.expired() || e.boundaries.expired(); });
    for (const Entry &e : cache)
        if (e.grid.lock() == grid && e.boundaries.lock() == boundaries)
            return e.assignment;
    auto assignment = std::make_shared<const CountryAssignment>(compute(*grid, *boundaries));
    cache.push_back({grid, boundaries, assignment});
    return assignment;
}
