#include "mapping/MapRenderer.h"

void MapRenderer::render(QImage &image, const MapLayers &layers, const MapViewport &viewport, const QColor &background,
                         const LayerDrawnHandler &afterLayer)
{
    image.fill(background);
    // Touch the pixels before the painter starts, so direct writes and the
    // painter share one buffer.
    image.bits();
    QPainter painter(&image);
    MapPainter mapPainter(image, painter, viewport);
    for (int index = layers.count() - 1; index >= 0; --index) {
        const MapLayer &layer = *layers.item(index);
        if (!layer.isVisible())
            continue;
        mapPainter.drawLayer(layer);
        if (afterLayer)
            afterLayer(index, mapPainter);
    }
}

QImage MapRenderer::render(const MapLayers &layers, const MapViewport &viewport, const QColor &background,
                           const LayerDrawnHandler &afterLayer)
{
    QImage image(viewport.size(), QImage::Format_ARGB32_Premultiplied);
    render(image, layers, viewport, background, afterLayer);
    return image;
}
