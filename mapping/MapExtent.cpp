#include "mapping/MapExtent.h"

#include <algorithm>

MapExtent::MapExtent(double left, double bottom, double right, double top)
    : m_left(std::min(left, right)), m_bottom(std::min(bottom, top)), m_right(std::max(left, right)),
      m_top(std::max(bottom, top))
{
}

void MapExtent::ScaleRectangle(double factor)
{
    *this = scaled(factor);
}

MapExtent MapExtent::scaled(double factor) const
{
    if (!isValid())
        return *this;
    const MapPoint c = center();
    const double halfW = width() * factor / 2;
    const double halfH = height() * factor / 2;
    return MapExtent(c.x - halfW, c.y - halfH, c.x + halfW, c.y + halfH);
}

MapExtent MapExtent::translated(double dx, double dy) const
{
    if (!isValid())
        return *this;
    return MapExtent(m_left + dx, m_bottom + dy, m_right + dx, m_top + dy);
}

MapExtent MapExtent::fittedTo(double aspect) const
{
    if (!isValid() || !(aspect > 0))
        return *this;
    double w = width();
    double h = height();
    if (w <= 0 && h <= 0)
        return *this;
    // Too tall: widen it; too wide or of no height (a row of points): heighten it.
    if (h > 0 && w / h < aspect)
        w = h * aspect;
    else
        h = w / aspect;
    const MapPoint c = center();
    return MapExtent(c.x - w / 2, c.y - h / 2, c.x + w / 2, c.y + h / 2);
}

void MapExtent::include(const MapPoint &p)
{
    if (!isValid()) {
        m_left = m_right = p.x;
        m_bottom = m_top = p.y;
        return;
    }
    m_left = std::min(m_left, p.x);
    m_right = std::max(m_right, p.x);
    m_bottom = std::min(m_bottom, p.y);
    m_top = std::max(m_top, p.y);
}

void MapExtent::include(const MapExtent &other)
{
    if (!other.isValid())
        return;
    include(MapPoint{other.m_left, other.m_bottom});
    include(MapPoint{other.m_right, other.m_top});
}

bool MapExtent::contains(const MapPoint &p) const
{
    return isValid() && p.x >= m_left && p.x <= m_right && p.y >= m_bottom && p.y <= m_top;
}

bool MapExtent::intersects(const MapExtent &other) const
{
    return isValid() && other.isValid() && other.m_left <= m_right && other.m_right >= m_left &&
           other.m_bottom <= m_top && other.m_top >= m_bottom;
}

MapExtent MapExtent::expanded(double margin) const
{
    if (!isValid())
        return *this;
    return MapExtent(m_left - margin, m_bottom - margin, m_right + margin, m_top + margin);
}
