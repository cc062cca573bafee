#pragma once
#include "mapping/MapLayers.h"
#include "mapping/MapPainter.h"

#include <functional>

// Called after each drawn layer with the layer's index; the handler may draw
// record sets, shapes and text through the painter while it runs.
using LayerDrawnHandler = std::function<void(int layerIndex, MapPainter &painter)>;

// Draws a map into an image: the background, then every visible layer from
// the bottom (highest index) to the top (index 0), calling the handler after
// each one, so the top layer's call comes last. Invisible layers are neither
// drawn nor reported.
class MapRenderer {
public:
    static void render(QImage &image, const MapLayers &layers, const MapViewport &viewport, const QColor &background,
                       const LayerDrawnHandler &afterLayer = {});
    // A new Format_ARGB32_Premultiplied image of the viewport's size.
    static QImage render(const MapLayers &layers, const MapViewport &viewport, const QColor &background,
                         const LayerDrawnHandler &afterLayer = {});
};
