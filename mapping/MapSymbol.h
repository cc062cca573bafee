#pragma once
#include <QColor>
#include <QFont>

// Symbol type codes.
constexpr int SymbolTypeMarker = 0; // points
constexpr int SymbolTypeLine = 1;
constexpr int SymbolTypeFill = 2;

// Marker styles.
constexpr int MarkerCircle = 0;
constexpr int MarkerSquare = 1;

// How shapes are drawn: points as markers of `size` pixels (1 is a single
// pixel) filled with `color` and edged with `outlineColor`; lines `size`
// pixels wide in `color`; polygons filled with `color` and outlined with
// `outlineColor`. The shape decides which of these applies.
struct MapSymbol {
    int symbolType = SymbolTypeMarker;
    int style = MarkerCircle;
    QColor color = Qt::black;
    QColor outlineColor = Qt::black;
    int size = 1;
};

// Text drawn on the map: `height` is in map units, so text grows and shrinks
// with the zoom. Centred on a point, or laid along a line.
struct TextSymbol {
    double height = 1;
    QFont font = QFont(QStringLiteral("Times"));
    QColor color = Qt::black;
};
