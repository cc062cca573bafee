#include "mapping/ShapeLayer.h"

#include "mapping/MapGeometry.h"

#include <cmath>
#include <limits>

bool ShapeLayer::isNullShape(std::uint32_t feature) const
{
    if (m_pointArrays)
        return std::isnan(m_x[feature]) || std::isnan(m_y[feature]);
    return m_featurePart[feature] == m_featurePart[feature + 1];
}

MapExtent ShapeLayer::featureExtent(std::uint32_t feature) const
{
    MapExtent box;
    if (m_pointArrays) {
        if (!isNullShape(feature))
            box.include(MapPoint{m_x[feature], m_y[feature]});
        return box;
    }
    for (std::uint32_t k = firstPart(feature); k < endPart(feature); ++k)
        box.include(m_partBox[k]);
    return box;
}

MapShape ShapeLayer::shape(std::uint32_t feature) const
{
    if (isNullShape(feature))
        return {};
    if (m_pointArrays)
        return MapShape::point(m_x[feature], m_y[feature]);
    std::vector<MapPoints> parts;
    for (std::uint32_t k = firstPart(feature); k < endPart(feature); ++k)
        parts.emplace_back(std::vector<MapPoint>(m_vertices.begin() + m_partStart[k],
                                                 m_vertices.begin() + m_partStart[k + 1]));
    return MapShape::withParts(m_shapeType, std::move(parts));
}

bool ShapeLayer::featureContains(std::uint32_t feature, const MapPoint &p) const
{
    if (m_shapeType != ShapeTypePolygon || m_pointArrays)
        return false;
    // A ring whose box misses p crosses a ray from p an even number of times,
    // so only rings whose box holds p decide the parity.
    bool inside = false;
    for (std::uint32_t k = firstPart(feature); k < endPart(feature); ++k) {
        if (!m_partBox[k].contains(p))
            continue;
        bool onEdge = false;
        const std::span<const MapPoint> ring(m_vertices.data() + m_partStart[k], m_partStart[k + 1] - m_partStart[k]);
        if (MapGeometry::ringEncloses(ring, p, onEdge))
            inside = !inside;
        if (onEdge)
            return true;
    }
    return inside;
}

double ShapeLayer::featureDistance(std::uint32_t feature, const MapPoint &p) const
{
    if (isNullShape(feature))
        return std::numeric_limits<double>::infinity();
    if (m_pointArrays)
        return std::hypot(m_x[feature] - p.x, m_y[feature] - p.y);
    if (m_shapeType == ShapeTypePolygon && featureContains(feature, p))
        return 0;
    const std::span<const std::uint32_t> starts(m_partStart.data() + firstPart(feature),
                                                endPart(feature) - firstPart(feature) + 1);
    if (m_shapeType == ShapeTypeLine || m_shapeType == ShapeTypePolygon)
        return MapGeometry::distanceToParts(m_vertices, starts, p);
    double best = std::numeric_limits<double>::infinity();
    for (std::uint32_t i = starts.front(); i < starts.back(); ++i)
        best = std::min(best, std::hypot(m_vertices[i].x - p.x, m_vertices[i].y - p.y));
    return best;
}

void ShapeLayer::buildIndex()
{
    if (m_pointArrays) {
        m_index = SpatialIndex(m_x, m_y);
        return;
    }
    std::vector<MapExtent> boxes(m_featureCount);
    for (std::uint32_t i = 0; i < m_featureCount; ++i)
        boxes[i] = featureExtent(i);
    m_index = SpatialIndex(boxes);
}

std::size_t ShapeLayer::memoryBytes() const
{
    return sizeof(ShapeLayer) + (m_x.capacity() + m_y.capacity()) * sizeof(double) +
           (m_featurePart.capacity() + m_partStart.capacity()) * sizeof(std::uint32_t) +
           m_vertices.capacity() * sizeof(MapPoint) + m_partBox.capacity() * sizeof(MapExtent) +
           m_attributes.memoryBytes() + m_index.memoryBytes();
}
