#include "mapping/MapRecordSet.h"

#include "mapping/MapError.h"
#include "mapping/ShapeLayer.h"

MapRecordSet::MapRecordSet(std::shared_ptr<const ShapeLayer> layer, std::vector<std::uint32_t> features)
    : m_layer(std::move(layer)), m_features(std::move(features))
{
}

MapRecordSet::MapRecordSet(std::shared_ptr<const ShapeLayer> layer, std::vector<std::uint32_t> first,
                           std::function<std::vector<std::uint32_t>()> complete)
    : m_layer(std::move(layer)), m_features(std::move(first)), m_complete(std::move(complete))
{
}

void MapRecordSet::complete() const
{
    if (!m_complete)
        return;
    auto fill = std::move(m_complete);
    m_complete = nullptr;
    m_features = fill();
}

bool MapRecordSet::isEOF() const
{
    if (m_position >= m_features.size())
        complete();
    return m_position >= m_features.size();
}

std::size_t MapRecordSet::count() const
{
    complete();
    return m_features.size();
}

const std::vector<std::uint32_t> &MapRecordSet::featureIds() const
{
    complete();
    return m_features;
}

void MapRecordSet::requireRecord() const
{
    if (isEOF() || !m_layer)
        throw MapError(QStringLiteral("The record set has no current record"));
}

std::uint32_t MapRecordSet::featureId() const
{
    requireRecord(); // completes the set when the cursor has moved past the known records
    return m_features[m_position];
}

MapShape MapRecordSet::shape() const
{
    return m_layer->shape(featureId());
}

std::vector<MapField> MapRecordSet::fields() const
{
    const std::uint32_t id = featureId();
    const AttributeTable &table = m_layer->attributes();
    std::vector<MapField> out;
    out.reserve(std::size_t(table.fieldCount()) + 2);
    for (int f = 0; f < table.fieldCount(); ++f) {
        const AttributeColumn &column = table.column(f);
        out.push_back({column.name(), column.value(id), column.valueText(id), column.typeCode()});
    }
    out.push_back({QStringLiteral("Shape"), QVariant::fromValue(m_layer->shape(id)), QString(), FieldTypeShape});
    out.push_back({QStringLiteral("FeatureId"), QVariant(qlonglong(id)), QString::number(id), FieldTypeLong});
    return out;
}

MapField MapRecordSet::field(const QString &name) const
{
    const std::uint32_t id = featureId();
    const AttributeTable &table = m_layer->attributes();
    const int f = table.indexOf(name);
    if (f >= 0) {
        const AttributeColumn &column = table.column(f);
        return {column.name(), column.value(id), column.valueText(id), column.typeCode()};
    }
    if (name.compare(QLatin1String("Shape"), Qt::CaseInsensitive) == 0)
        return {QStringLiteral("Shape"), QVariant::fromValue(m_layer->shape(id)), QString(), FieldTypeShape};
    if (name.compare(QLatin1String("FeatureId"), Qt::CaseInsensitive) == 0)
        return {QStringLiteral("FeatureId"), QVariant(qlonglong(id)), QString::number(id), FieldTypeLong};
    throw MapError(QStringLiteral("%1: there is no field \"%2\"").arg(m_layer->path(), name));
}
