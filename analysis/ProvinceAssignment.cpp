#include "analysis/ProvinceAssignment.h"

#include "analysis/LayerPairCache.h"

#include "mapping/AttributeColumn.h"
#include "mapping/MapError.h"


namespace {

const AttributeColumn &field(const ShapeLayer &layer, const char *name)
{
    const int at = layer.attributes().indexOf(QLatin1String(name));
    if (at < 0)
        throw MapError(QStringLiteral("%1 has no %2 field, so its provinces cannot be named.").arg(layer.path(), QLatin1String(name)));
    return layer.attributes().column(at);
}

} // namespace

CountryAssignment AssignProvinces(const ShapeLayer &grid, const ShapeLayer &provinces)
{
    const AttributeColumn &names = field(provinces, "NAME");
    const AttributeColumn &countries = field(provinces, "COUNTRY");
    QStringList featureNames;
    for (std::uint32_t f = 0; f < provinces.featureCount(); ++f) {
        const QString name = names.valueText(f).trimmed();
        featureNames << (name.isEmpty() ? QString() : countries.valueText(f).trimmed() + QLatin1Char('\t') + name);
    }
    return CountryAssignment::compute(grid, provinces, featureNames);
}

std::shared_ptr<const CountryAssignment> ProvincesOf(const std::shared_ptr<const ShapeLayer> &grid,
                                                     const std::shared_ptr<const ShapeLayer> &provinces)
{
    static LayerPairCache<CountryAssignment> cache;
    return cache.get(grid, provinces, [&] { return AssignProvinces(*grid, *provinces); });
}

QString ProvinceCountry(const QString &assignedName) { return assignedName.section(QLatin1Char('\t'), 0, 0); }
QString ProvinceName(const QString &assignedName) { return assignedName.section(QLatin1Char('\t'), 1); }

QString ProvinceLayerCountry(const ShapeLayer &provinces, const QString &codeOrName)
{
    const AttributeColumn &countries = field(provinces, "COUNTRY");
    const AttributeColumn &codes = field(provinces, "ISO_A2");
    for (std::uint32_t f = 0; f < provinces.featureCount(); ++f)
        if (codes.valueText(f).trimmed().compare(codeOrName.trimmed(), Qt::CaseInsensitive) == 0
            || countries.valueText(f).trimmed().compare(codeOrName.trimmed(), Qt::CaseInsensitive) == 0)
            return countries.valueText(f).trimmed();
    return {};
}
