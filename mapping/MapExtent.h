#pragma once
#include <QPointF>
#include <QRectF>

// A point in map units (for the bundled maps: degrees of longitude and latitude).
struct MapPoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const MapPoint &, const MapPoint &) = default;
};

// A rectangle in map units with y growing north. Empty (invalid) until a point
// or rectangle is added to it. Zooming scales it about its centre.
class MapExtent {
public:
    MapExtent() = default;
    MapExtent(double left, double bottom, double right, double top);

    bool isValid() const { return m_left <= m_right && m_bottom <= m_top; }
    double left() const { return m_left; }
    double bottom() const { return m_bottom; }
    double right() const { return m_right; }
    double top() const { return m_top; }
    double width() const { return isValid() ? m_right - m_left : 0; }
    double height() const { return isValid() ? m_top - m_bottom : 0; }
    MapPoint center() const { return {(m_left + m_right) / 2, (m_bottom + m_top) / 2}; }

    // Scales the rectangle about its centre: 0.75 zooms in, 1.25 zooms out.
    void ScaleRectangle(double factor);
    MapExtent scaled(double factor) const;
    // Moves the rectangle by (dx, dy) map units.
    MapExtent translated(double dx, double dy) const;
    // The smallest rectangle around this one with the width/height ratio of
    // `aspect`, sharing its centre (how a map fits an extent into its window).
    MapExtent fittedTo(double aspect) const;

    void include(const MapPoint &p);
    void include(const MapExtent &other);
    bool contains(const MapPoint &p) const;
    bool intersects(const MapExtent &other) const;
    // The rectangle grown by `margin` on every side.
    MapExtent expanded(double margin) const;

    friend bool operator==(const MapExtent &, const MapExtent &) = default;

private:
    double m_left = 1;
    double m_bottom = 1;
    double m_right = 0;
    double m_top = 0;
};
