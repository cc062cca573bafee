#include "mapping/MapShape.h"

#include "mapping/MapError.h"
#include "mapping/MapGeometry.h"

#include <algorithm>
#include <cmath>

MapPoint MapPoints::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw MapError(QStringLiteral("Vertex %1 does not exist: the part has %2 vertices").arg(index).arg(Count()));
    return m_points[std::size_t(index)];
}

void MapPoints::Reverse()
{
    std::reverse(m_points.begin(), m_points.end());
}

MapShape MapShape::point(double x, double y)
{
    MapShape shape;
    shape.m_type = ShapeTypePoint;
    shape.m_parts.push_back(MapPoints({MapPoint{x, y}}));
    return shape;
}

MapShape MapShape::withParts(int shapeType, std::vector<MapPoints> parts)
{
    MapShape shape;
    shape.m_type = shapeType;
    shape.m_parts = std::move(parts);
    return shape;
}

double MapShape::x() const
{
    return m_parts.empty() || m_parts.front().Count() == 0 ? std::nan("") : m_parts.front().points().front().x;
}

double MapShape::y() const
{
    return m_parts.empty() || m_parts.front().Count() == 0 ? std::nan("") : m_parts.front().points().front().y;
}

namespace {

// The parts as one vertex array with part starts, as MapGeometry expects.
struct FlatParts {
    std::vector<MapPoint> vertices;
    std::vector<std::uint32_t> starts{0};

    explicit FlatParts(const std::vector<MapPoints> &parts)
    {
        for (const MapPoints &part : parts) {
            vertices.insert(vertices.end(), part.points().begin(), part.points().end());
            starts.push_back(std::uint32_t(vertices.size()));
        }
    }
};

} // namespace

MapShape MapShape::Centroid() const
{
    if (isNull())
        return {};
    const FlatParts flat(m_parts);
    MapPoint c;
    if (m_type == ShapeTypePolygon)
        c = MapGeometry::ringsCentroid(flat.vertices, flat.starts);
    else if (m_type == ShapeTypeLine)
        c = MapGeometry::linesCentroid(flat.vertices, flat.starts);
    else {
        double sx = 0, sy = 0;
        for (const MapPoint &p : flat.vertices) {
            sx += p.x;
            sy += p.y;
        }
        c = {sx / double(flat.vertices.size()), sy / double(flat.vertices.size())};
    }
    return point(c.x, c.y);
}

MapExtent MapShape::extent() const
{
    MapExtent box;
    for (const MapPoints &part : m_parts)
        for (const MapPoint &p : part.points())
            box.include(p);
    return box;
}

bool MapShape::contains(const MapPoint &p) const
{
    if (m_type != ShapeTypePolygon)
        return false;
    const FlatParts flat(m_parts);
    return MapGeometry::ringsContain(flat.vertices, flat.starts, p);
}

double MapShape::distanceTo(const MapPoint &p) const
{
    if (m_type == ShapeTypePolygon && contains(p))
        return 0;
    FlatParts flat(m_parts);
    if (m_type != ShapeTypePolygon && m_type != ShapeTypeLine) {
        // Points: each vertex on its own.
        flat.starts.clear();
        for (std::uint32_t i = 0; i <= flat.vertices.size(); ++i)
            flat.starts.push_back(i);
    }
    return MapGeometry::distanceToParts(flat.vertices, flat.starts, p);
}
