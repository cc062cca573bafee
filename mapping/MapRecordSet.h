#pragma once
#include "mapping/MapShape.h"

#include <QMetaType>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class ShapeLayer;

// Type code of the geometry field "Shape" (its value holds a MapShape).
constexpr int FieldTypeShape = 9;

// One field of the current record: name, value, value as text and type code
// (3 whole number, 5 number, 7 date, 8 text, 11 yes/no, 9 geometry).
struct MapField {
    QString name;
    QVariant value;
    QString valueText;
    int type = 0;
};

// The features a search found, in the order the search gives them, with a
// cursor on one of them. The layer's data stays alive while a record set
// refers to it. A record set can be drawn as a whole (MapPainter).
class MapRecordSet {
public:
    MapRecordSet() = default;
    MapRecordSet(std::shared_ptr<const ShapeLayer> layer, std::vector<std::uint32_t> features);
    // A set whose first records are known and whose whole list (starting
    // with those) is found only when a caller moves past them or asks for
    // all of it: identify reads one record of thousands within reach.
    MapRecordSet(std::shared_ptr<const ShapeLayer> layer, std::vector<std::uint32_t> first,
                 std::function<std::vector<std::uint32_t>()> complete);

    // True at once when nothing matched, and after moving past the last record.
    bool isEOF() const;
    void moveNext() { ++m_position; }
    void moveFirst() { m_position = 0; }
    std::size_t count() const;

    // The current record's fields in table order, then "Shape" and "FeatureId".
    // Throws MapError at the end of the set.
    std::vector<MapField> fields() const;
    // One field of the current record by name (any case); throws MapError for
    // an unknown name or at the end of the set.
    MapField field(const QString &name) const;
    QVariant value(const QString &name) const { return field(name).value; }
    QString valueText(const QString &name) const { return field(name).valueText; }
    MapShape shape() const;
    std::uint32_t featureId() const;

    const std::vector<std::uint32_t> &featureIds() const;
    const std::shared_ptr<const ShapeLayer> &layer() const { return m_layer; }

private:
    void requireRecord() const;
    void complete() const;
    std::shared_ptr<const ShapeLayer> m_layer;
    mutable std::vector<std::uint32_t> m_features;
    mutable std::function<std::vector<std::uint32_t>()> m_complete;
    std::size_t m_position = 0;
};

Q_DECLARE_METATYPE(MapShape)
