#include "mapping/MapViewport.h"

MapViewport::MapViewport(const MapExtent &requested, QSize size, double symbolScale)
    : m_size(size), m_symbolScale(symbolScale)
{
    const double aspect = size.height() > 0 ? double(size.width()) / double(size.height()) : 1.0;
    m_extent = requested.isValid() ? requested.fittedTo(aspect) : MapExtent(0, 0, 1, 1).fittedTo(aspect);
    if (m_extent.width() <= 0)
        m_extent = m_extent.expanded(0.5).fittedTo(aspect);
    m_unitsPerPixel = size.width() > 0 ? m_extent.width() / size.width() : 1.0;
}

QTransform MapViewport::transform() const
{
    const double s = 1.0 / m_unitsPerPixel;
    return QTransform(s, 0, 0, -s, -m_extent.left() * s, m_extent.top() * s);
}
