#pragma once
#include "mapping/MapRecordSet.h"
#include "mapping/MapSymbol.h"
#include "mapping/MapViewport.h"

#include <QImage>
#include <QPainter>

class MapLayer;
class ShapeLayer;

// Draws layers, record sets, shapes and text onto the image of one redraw.
// Point markers of opaque colours are written straight into the pixels,
// because a redraw may draw millions of grid points; everything else goes
// through QPainter.
class MapPainter {
public:
    // `image` must be Format_ARGB32_Premultiplied or Format_RGB32 and is the
    // device `painter` is drawing on.
    MapPainter(QImage &image, QPainter &painter, const MapViewport &viewport);

    const MapViewport &viewport() const { return m_viewport; }

    // A whole layer in its own colours.
    void drawLayer(const MapLayer &layer);
    // Every feature of a record set with one symbol.
    void drawRecordSet(const MapRecordSet &records, const MapSymbol &symbol);
    void drawShape(const MapShape &shape, const MapSymbol &symbol);
    // Text centred on a point shape, or laid along the first part of a line
    // (centred on its length), at the symbol's height in map units.
    void drawText(const QString &text, const MapShape &shape, const TextSymbol &symbol);

private:
    void drawFeatures(const ShapeLayer &layer, const std::vector<std::uint32_t> *features, const MapSymbol &symbol);
    void drawPointArrays(const ShapeLayer &layer, const std::vector<std::uint32_t> *features, const MapSymbol &symbol);
    void drawMarker(QPointF pixel, const MapSymbol &symbol);
    void setStyle(const MapSymbol &symbol, int shapeType);
    void drawTextAlong(const QString &text, const MapPoints &line, const QFont &font, const QColor &color);

    QImage &m_image;
    QPainter &m_painter;
    MapViewport m_viewport;
};
