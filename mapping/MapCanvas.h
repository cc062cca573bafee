#pragma once
#include <QString>

class MapShape;
struct TextSymbol;

// What the label layer needs of the map it labels: the map units of a screen
// distance, a redraw, and text drawing while the map draws. The map control
// is one; tests may offer their own.
class MapCanvas {
public:
    virtual ~MapCanvas() = default;
    // A screen distance in twips as map units at the current extent.
    virtual double toMapDistance(double twips) const = 0;
    virtual void refresh() = 0;
    // Only while the map draws; otherwise throws MapError.
    virtual void drawText(const QString &text, const MapShape &shape, const TextSymbol &symbol) = 0;
};
