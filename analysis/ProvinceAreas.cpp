#include "analysis/ProvinceAreas.h"

#include "analysis/ProvinceAssignment.h"

#include <QMap>

QString OutsideProvincesText() { return QStringLiteral("outside the provinces"); }

namespace {

// Each point's country and province as one name, "COUNTRY<tab>PROVINCE", the
// province empty where the point lies in none of its country's provinces.
CountryAssignment countryAndProvince(const CountryAssignment &countries, const CountryAssignment &provinces)
{
    QMap<QString, int> sorted;
    std::vector<QString> pairName((countries.names.size() + 1) * (provinces.names.size() + 1));
    const auto nameOf = [&](std::uint16_t c, std::uint16_t p) -> QString & {
        QString &name = pairName[std::size_t(c) * (provinces.names.size() + 1) + p];
        if (name.isNull() && c != countries.outside()) {
            const QString &country = countries.names[c];
            const bool inCountry = p != provinces.outside() && ProvinceCountry(provinces.names[p]) == country;
            name = inCountry ? provinces.names[p] : country + QLatin1Char('\t');
            sorted.insert(name, 0);
        }
        return name;
    };
    for (std::size_t i = 0; i < countries.index.size(); ++i)
        nameOf(countries.index[i], provinces.index[i]);
    CountryAssignment result;
    result.names = sorted.keys();
    result.index.resize(countries.index.size());
    for (std::size_t i = 0; i < countries.index.size(); ++i) {
        const QString &name = nameOf(countries.index[i], provinces.index[i]);
        result.index[i] = name.isNull() ? result.outside() : std::uint16_t(result.names.indexOf(name));
    }
    return result;
}

void add(AreaRow &sum, const AreaRow &row)
{
    sum.km2.resize(row.km2.size(), 0.0);
    for (std::size_t k = 0; k < row.km2.size(); ++k)
        sum.km2[k] += row.km2[k];
    sum.landKm2 += row.landKm2;
}

} // namespace

ProvinceAreaTable SumProvinceAreas(const std::vector<const std::vector<std::uint32_t> *> &classes, const GridCells &cells,
                                   const CountryAssignment &countries, const CountryAssignment &provinces, const QString &onlyCountry)
{
    const AreaTable byPair = SumAreas(classes, cells, countryAndProvince(countries, provinces));
    const std::vector<double> none(classes.size(), 0.0);
    ProvinceAreaTable table;
    table.outsideCountries = byPair.outside;
    table.total = byPair.total;
    for (const AreaRow &row : byPair.countries) {
        const QString country = ProvinceCountry(row.country), province = ProvinceName(row.country);
        if (!onlyCountry.isEmpty() && country != onlyCountry)
            continue;
        if (table.countries.empty() || table.countries.back().country.country != country) {
            ProvinceAreaBlock block{{country, none, 0}, {}, {OutsideProvincesText(), none, 0}, false};
            for (const QString &name : provinces.names)
                block.hasProvinces = block.hasProvinces || ProvinceCountry(name) == country;
            table.countries.push_back(block);
        }
        ProvinceAreaBlock &block = table.countries.back();
        add(block.country, row);
        if (province.isEmpty())
            add(block.outside, row);
        else
            block.provinces.push_back({province, row.km2, row.landKm2});
    }
    table.oneCountry = !onlyCountry.isEmpty();
    if (table.oneCountry)
        table.total = table.countries.empty() ? AreaRow{onlyCountry, none, 0} : table.countries.front().country;
    return table;
}
