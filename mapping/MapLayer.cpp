#include "mapping/MapLayer.h"

#include "mapping/CompiledFilter.h"
#include "mapping/MapError.h"

#include <algorithm>
#include <cmath>
#include <numeric>

MapLayer::MapLayer(std::shared_ptr<const ShapeLayer> data) : m_data(std::move(data))
{
    m_color = m_data->shapeType() == ShapeTypePolygon ? QColor(224, 224, 224) : QColor(Qt::black);
}

std::shared_ptr<MapLayer> MapLayer::fromFile(const QString &path)
{
    return std::make_shared<MapLayer>(ShapeLayer::open(path));
}

MapRecordSet MapLayer::records() const
{
    std::vector<std::uint32_t> ids(m_data->featureCount());
    std::iota(ids.begin(), ids.end(), 0u);
    return MapRecordSet(m_data, std::move(ids));
}

MapRecordSet MapLayer::SearchExpression(const QString &filter) const
{
    const CompiledFilter compiled = CompiledFilter::compile(filter, m_data->attributes());
    return MapRecordSet(m_data, compiled.select());
}

std::vector<std::uint32_t> MapLayer::filtered(std::vector<std::uint32_t> ids, const QString &filter) const
{
    if (filter.trimmed().isEmpty())
        return ids;
    const CompiledFilter compiled = CompiledFilter::compile(filter, m_data->attributes());
    std::erase_if(ids, [&](std::uint32_t id) { return !compiled.matches(id); });
    return ids;
}

MapRecordSet MapLayer::searchShape(const MapPoint &point, int searchMethod, const QString &filter) const
{
    if (searchMethod != SearchMethodPointInPolygon)
        throw MapError(QStringLiteral("%1: search method %2 is not supported").arg(path()).arg(searchMethod));
    std::vector<std::uint32_t> ids;
    if (m_data->shapeType() == ShapeTypePolygon) {
        const MapExtent at(point.x, point.y, point.x, point.y);
        for (std::uint32_t id : m_data->index().candidates(at))
            if (m_data->featureContains(id, point))
                ids.push_back(id);
    }
    return MapRecordSet(m_data, filtered(std::move(ids), filter));
}

MapRecordSet MapLayer::searchByDistance(const MapPoint &point, double distance, const QString &filter) const
{
    if (!(distance >= 0) || !std::isfinite(point.x) || !std::isfinite(point.y))
        return MapRecordSet(m_data, {});
    if (m_data->hasPointArrays() && filter.trimmed().isEmpty()) {
        // The nearest point now, the others within reach when asked for.
        const double *xs = m_data->xs().data();
        const double *ys = m_data->ys().data();
        std::uint32_t nearest = 0;
        const bool found = m_data->index().nearest(point, distance, [&](std::uint32_t id) {
            const double dx = xs[id] - point.x, dy = ys[id] - point.y;
            return dx * dx + dy * dy;
        }, nearest);
        if (!found)
            return MapRecordSet(m_data, {});
        auto data = m_data;
        return MapRecordSet(m_data, {nearest}, [data, point, distance, nearest] {
            std::vector<std::uint32_t> all = MapLayer(data).withinDistance(point, distance);
            const auto at = std::find(all.begin(), all.end(), nearest);
            if (at != all.end())
                std::rotate(all.begin(), at, at + 1);
            return all;
        });
    }
    return MapRecordSet(m_data, filtered(withinDistance(point, distance), filter));
}

std::vector<std::uint32_t> MapLayer::withinDistance(const MapPoint &point, double distance) const
{
    std::vector<std::uint32_t> ids;
    const MapExtent box(point.x - distance, point.y - distance, point.x + distance, point.y + distance);
    double nearest = std::numeric_limits<double>::infinity();
    std::size_t nearestAt = 0;
    auto consider = [&](std::uint32_t id, double d) {
        if (!(d <= distance))
            return;
        if (d < nearest || (d == nearest && id < ids[nearestAt])) {
            nearest = d;
            nearestAt = ids.size();
        }
        ids.push_back(id);
    };
    if (m_data->hasPointArrays()) {
        const double *xs = m_data->xs().data();
        const double *ys = m_data->ys().data();
        const double limit = distance * distance;
        m_data->index().forEachCandidate(box, [&](std::uint32_t id) {
            const double dx = xs[id] - point.x;
            const double dy = ys[id] - point.y;
            const double d2 = dx * dx + dy * dy;
            if (d2 <= limit)
                consider(id, std::sqrt(d2));
        });
    } else {
        for (std::uint32_t id : m_data->index().candidates(box))
            consider(id, m_data->featureDistance(id, point));
    }
    if (!ids.empty())
        std::swap(ids.front(), ids[nearestAt]);
    return ids;
}

MapRecordSet MapLayer::searchAtPoint(const MapPoint &point, double distance) const
{
    if (shapeType() == ShapeTypePolygon)
        return searchShape(point, SearchMethodPointInPolygon);
    return searchByDistance(point, distance);
}
