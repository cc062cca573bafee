#include "mapping/MapLayers.h"

#include "mapping/MapError.h"

void MapLayers::add(std::shared_ptr<MapLayer> layer)
{
    if (!layer)
        throw MapError(QStringLiteral("No layer to add"));
    m_bottomUp.push_back(std::move(layer));
}

const std::shared_ptr<MapLayer> &MapLayers::item(int index) const
{
    if (index < 0 || index >= count())
        throw MapError(QStringLiteral("Layer %1 does not exist: the map has %2 layers").arg(index).arg(count()));
    return m_bottomUp[std::size_t(count() - 1 - index)];
}

void MapLayers::remove(int index)
{
    item(index);
    m_bottomUp.erase(m_bottomUp.begin() + (count() - 1 - index));
}

MapExtent MapLayers::fullExtent() const
{
    MapExtent extent;
    for (const auto &layer : m_bottomUp)
        extent.include(layer->extent());
    return extent;
}
