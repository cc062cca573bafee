#pragma once
#include "mapping/MapExtent.h"

#include <QString>

class ShapeLayer;

// The text of `field` of the first polygon of the layer (in file order)
// holding the point, or "" when none holds it or the layer has no such field.
QString PolygonFieldAt(const ShapeLayer &polygons, const MapPoint &point, const QString &field);
