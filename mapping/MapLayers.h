#pragma once
#include "mapping/MapLayer.h"

#include <memory>
#include <vector>

// The layer list of a map. The layer added last lies on top and has index 0;
// the first added of two has index 1. Layers are drawn from the highest index
// (bottom) to index 0 (top).
class MapLayers {
public:
    // Puts the layer on top (index 0).
    void add(std::shared_ptr<MapLayer> layer);
    int count() const { return int(m_bottomUp.size()); }
    // Throws MapError for an index outside 0..count()-1.
    const std::shared_ptr<MapLayer> &item(int index) const;
    void remove(int index);
    void clear() { m_bottomUp.clear(); }
    // The extent of all layers together, visible or not.
    MapExtent fullExtent() const;

private:
    std::vector<std::shared_ptr<MapLayer>> m_bottomUp;
};
