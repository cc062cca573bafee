#include "analysis/ProvinceAssignment.h"

#include "mapping/AttributeColumn.h"
#include "mapping/MapError.h"

#include <mutex>

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
    struct Entry {
        std::weak_ptr<const ShapeLayer> grid, provinces;
        std::shared_ptr<const CountryAssignment> assignment;
    };
    static std::mutex lock;
    static std::vector<Entry> cache;
    std::lock_guard guard(lock);
    std::erase_if(cache, [](const Entry &e) { return e.grid.expired() || e.provinces.expired(); });
    for (const Entry &e : cache)
        if (e.grid.lock() == grid && e.provinces.lock() == provinces)
            return e.assignment;
    auto assignment = std::make_shared<const CountryAssignment>(AssignProvinces(*grid, *provinces));
    cache.push_back({grid, provinces, assignment});
    return assignment;
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
