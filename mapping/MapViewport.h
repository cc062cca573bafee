#pragma once
#include "mapping/MapExtent.h"

#include <QPointF>
#include <QSize>
#include <QTransform>

// The mapping between an extent in map units and an image of `size` pixels.
// The extent is widened to the image's shape about its centre, so map units
// are square. `symbolScale` multiplies symbol sizes and line widths (2 for an
// export at twice the window's size).
class MapViewport {
public:
    MapViewport(const MapExtent &requested, QSize size, double symbolScale = 1);

    const MapExtent &extent() const { return m_extent; }
    QSize size() const { return m_size; }
    double symbolScale() const { return m_symbolScale; }
    double unitsPerPixel() const { return m_unitsPerPixel; }

    QPointF toPixel(const MapPoint &p) const
    {
        return {(p.x - m_extent.left()) / m_unitsPerPixel, (m_extent.top() - p.y) / m_unitsPerPixel};
    }
    MapPoint toMap(const QPointF &pixel) const
    {
        return {m_extent.left() + pixel.x() * m_unitsPerPixel, m_extent.top() - pixel.y() * m_unitsPerPixel};
    }
    // Map units to pixels, for a QPainter.
    QTransform transform() const;

private:
    MapExtent m_extent;
    QSize m_size;
    double m_symbolScale = 1;
    double m_unitsPerPixel = 1;
};
