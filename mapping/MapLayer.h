#pragma once
#include "mapping/MapRecordSet.h"
#include "mapping/ShapeLayer.h"

#include <QColor>

#include <memory>

// Search method code of a point search on a polygon layer: the polygons
// containing the point.
constexpr int SearchMethodPointInPolygon = 12;

// A shapefile layer as one map shows it: the shared file content plus this
// map's visibility and colours. Searches return record sets; a filter that is
// malformed or names an unknown field throws MapError.
class MapLayer {
public:
    explicit MapLayer(std::shared_ptr<const ShapeLayer> data);
    // Opens a shapefile layer; throws MapError naming the file and the reason.
    static std::shared_ptr<MapLayer> fromFile(const QString &path);

    const std::shared_ptr<const ShapeLayer> &data() const { return m_data; }
    QString path() const { return m_data->path(); }
    // 22 line, 23 polygon, 21 point.
    int shapeType() const { return m_data->shapeType(); }
    MapExtent extent() const { return m_data->extent(); }

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }
    // Fill colour of polygons, colour of lines and points.
    QColor color() const { return m_color; }
    void setColor(const QColor &color) { m_color = color; }
    QColor outlineColor() const { return m_outlineColor; }
    void setOutlineColor(const QColor &color) { m_outlineColor = color; }

    // Every feature, in file order.
    MapRecordSet records() const;
    // The features matching an attribute filter ("ALT >= 100 AND ALT <= 1500"),
    // in file order. The filter is compiled once and run over the columns.
    MapRecordSet SearchExpression(const QString &filter) const;
    // Polygons containing the point (method 12); a filter other than "" narrows
    // the result. Throws MapError for another method.
    MapRecordSet searchShape(const MapPoint &point, int searchMethod, const QString &filter = QString()) const;
    // Features within `distance` map units of the point, the nearest first
    // (ties by file order), the others in the order of the spatial index.
    // On a point layer without a filter only the nearest is found at once;
    // the others when the caller moves on or counts them.
    MapRecordSet searchByDistance(const MapPoint &point, double distance, const QString &filter = QString()) const;
    // What identify uses: containment for a polygon layer, distance otherwise.
    MapRecordSet searchAtPoint(const MapPoint &point, double distance) const;

private:
    std::vector<std::uint32_t> filtered(std::vector<std::uint32_t> ids, const QString &filter) const;
    // Every feature within reach, the nearest first.
    std::vector<std::uint32_t> withinDistance(const MapPoint &point, double distance) const;

    std::shared_ptr<const ShapeLayer> m_data;
    bool m_visible = true;
    QColor m_color;
    QColor m_outlineColor = QColor(64, 64, 64);
};
