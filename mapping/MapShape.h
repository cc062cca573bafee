#pragma once
#include "mapping/MapExtent.h"

#include <vector>

// Shape type codes of layers and shapes: 22 line, 23 polygon, anything else a point.
constexpr int ShapeTypePoint = 21;
constexpr int ShapeTypeLine = 22;
constexpr int ShapeTypePolygon = 23;

// One part of a line or polygon (a ring): an ordered list of vertices.
class MapPoints {
public:
    MapPoints() = default;
    explicit MapPoints(std::vector<MapPoint> points) : m_points(std::move(points)) {}

    int Count() const { return int(m_points.size()); }
    // The vertex at a 0-based index; throws MapError outside 0..Count()-1.
    MapPoint Item(int index) const;
    // Reverses the order of the vertices in place.
    void Reverse();
    void add(const MapPoint &p) { m_points.push_back(p); }
    const std::vector<MapPoint> &points() const { return m_points; }

private:
    std::vector<MapPoint> m_points;
};

// A shape handed to callers: a copy of a feature's geometry (or a new point)
// that the caller may keep and change. A point shape has one part with one
// vertex (a multipoint feature has one part with all its vertices).
class MapShape {
public:
    MapShape() = default; // a null shape
    static MapShape point(double x, double y);
    static MapShape withParts(int shapeType, std::vector<MapPoints> parts);

    bool isNull() const { return m_parts.empty(); }
    int shapeType() const { return m_type; }
    // The point's coordinates (the first vertex of any other shape).
    double x() const;
    double y() const;

    std::vector<MapPoints> &Parts() { return m_parts; }
    const std::vector<MapPoints> &Parts() const { return m_parts; }

    // The area-weighted centre of a polygon (holes subtract), the
    // length-weighted centre of a line, the mean of points.
    MapShape Centroid() const;
    MapExtent extent() const;
    // Polygons: the point lies inside (even-odd over all rings, edges inside).
    bool contains(const MapPoint &p) const;
    // The distance from p to the nearest vertex (points) or segment (lines,
    // polygon outlines; 0 inside a polygon).
    double distanceTo(const MapPoint &p) const;

private:
    int m_type = ShapeTypePoint;
    std::vector<MapPoints> m_parts;
};
