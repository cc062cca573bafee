#include "mapping/PolygonNames.h"

#include "mapping/AttributeColumn.h"
#include "mapping/ShapeLayer.h"

QString PolygonFieldAt(const ShapeLayer &polygons, const MapPoint &point, const QString &field)
{
    const int column = polygons.attributes().indexOf(field);
    if (column < 0 || polygons.shapeType() != ShapeTypePolygon)
        return {};
    for (std::uint32_t f = 0; f < polygons.featureCount(); ++f)
        if (!polygons.isNullShape(f) && polygons.featureExtent(f).contains(point) && polygons.featureContains(f, point))
            return polygons.attributes().column(column).valueText(f).trimmed();
    return {};
}
