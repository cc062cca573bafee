#include "tools/places/RegionPlaces.h"

#include "mapping/AttributeColumn.h"
#include "mapping/ShapeLayer.h"

#include <QHash>

const QMap<QString, QString> &RegionCountries()
{
    static const QMap<QString, QString> countries{
        {QStringLiteral("BN"), QStringLiteral("Brunei")},      {QStringLiteral("ID"), QStringLiteral("Indonesia")},
        {QStringLiteral("KH"), QStringLiteral("Cambodia")},    {QStringLiteral("LA"), QStringLiteral("Laos")},
        {QStringLiteral("MM"), QStringLiteral("Myanmar")},     {QStringLiteral("MY"), QStringLiteral("Malaysia")},
        {QStringLiteral("PG"), QStringLiteral("Papua New Guinea")}, {QStringLiteral("PH"), QStringLiteral("Philippines")},
        {QStringLiteral("SG"), QStringLiteral("Singapore")},   {QStringLiteral("TH"), QStringLiteral("Thailand")},
        {QStringLiteral("TL"), QStringLiteral("Timor-Leste")}, {QStringLiteral("VN"), QStringLiteral("Vietnam")}};
    return countries;
}

bool ReadGeoNamesRow(const QString &line, GeoNamesRow &row)
{
    const QStringList f = line.split(QLatin1Char('\t'));
    if (f.size() < 15 || f[6] != QLatin1String("P") || !RegionCountries().contains(f[8]))
        return false;
    row.place = Place{};
    row.place.name = f[1];
    row.place.lat = f[4].toDouble();
    row.place.lon = f[5].toDouble();
    row.place.countryCode = f[8];
    row.place.country = RegionCountries().value(f[8]);
    row.place.population = f[14].toUInt();
    row.featureCode = f[7];
    row.admin1 = f[10].isEmpty() ? QString() : f[8] + QLatin1Char('.') + f[10];
    row.admin2 = f[10].isEmpty() || f[11].isEmpty() ? QString() : row.admin1 + QLatin1Char('.') + f[11];
    row.alternates = f[3].split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (f[2] != f[1])
        row.alternates.prepend(f[2]);
    return true;
}

namespace {

// Rank of a place as its division's seat: the marked seats first.
int seatRank(const QString &featureCode, bool province)
{
    const QStringList order = province ? QStringList{QStringLiteral("PPLA"), QStringLiteral("PPLC")}
                                       : QStringList{QStringLiteral("PPLA2"), QStringLiteral("PPLA"), QStringLiteral("PPLC")};
    const qsizetype at = order.indexOf(featureCode);
    return at < 0 ? int(order.size()) : int(at);
}

struct Division {
    const GeoNamesRow *seat = nullptr;
    std::uint64_t population = 0;
};

void addDivisions(std::vector<PlaceIndex::Entry> &entries, const std::vector<GeoNamesRow> &rows,
                  const QMap<QString, QString> &names, const QMap<QString, QString> &admin1, bool province)
{
    QMap<QString, Division> divisions;
    for (const GeoNamesRow &row : rows) {
        const QString &code = province ? row.admin1 : row.admin2;
        if (code.isEmpty() || !names.contains(code))
            continue;
        Division &d = divisions[code];
        d.population += row.place.population;
        const auto rank = [province](const GeoNamesRow *r) { return std::pair(seatRank(r->featureCode, province), -qint64(r->place.population)); };
        if (!d.seat || rank(&row) < rank(d.seat))
            d.seat = &row;
    }
    for (auto d = divisions.cbegin(); d != divisions.cend(); ++d) {
        PlaceIndex::Entry entry;
        entry.place = d->seat->place;
        entry.place.name = names.value(d.key());
        entry.place.kind = province ? PlaceKind::Province : PlaceKind::District;
        entry.place.district = province ? QString() : entry.place.name;
        entry.place.province = admin1.value(d->seat->admin1);
        entry.place.population = std::uint32_t(std::min<std::uint64_t>(d->population, 0xFFFFFFFF));
        entries.push_back(entry);
    }
}

} // namespace

std::vector<PlaceIndex::Entry> RegionEntries(const std::vector<GeoNamesRow> &rows, const QMap<QString, QString> &admin1,
                                             const QMap<QString, QString> &admin2)
{
    std::vector<PlaceIndex::Entry> entries;
    for (const GeoNamesRow &row : rows) {
        PlaceIndex::Entry entry{row.place, row.alternates};
        entry.place.province = admin1.value(row.admin1);
        entry.place.district = admin2.value(row.admin2);
        entries.push_back(entry);
    }
    addDivisions(entries, rows, admin2, admin1, false);
    addDivisions(entries, rows, admin1, admin1, true);
    return entries;
}

QStringList DropUnknownDivisions(std::vector<GeoNamesRow> &rows, const QMap<QString, QString> &admin1)
{
    QHash<QString, std::pair<int, int>> unknownOf; // per country: unknown codes, places
    for (const GeoNamesRow &row : rows) {
        auto &[unknown, places] = unknownOf[row.place.countryCode];
        unknown += admin1.contains(row.admin1) ? 0 : 1;
        ++places;
    }
    QStringList dropped;
    for (auto c = unknownOf.cbegin(); c != unknownOf.cend(); ++c)
        if (c->first * 4 > c->second)
            dropped << c.key();
    dropped.sort();
    for (GeoNamesRow &row : rows)
        if (dropped.contains(row.place.countryCode))
            row.admin1 = row.admin2 = QString();
    return dropped;
}

void ProvincesFromLayer(std::vector<PlaceIndex::Entry> &entries, const QString &provinceLayer)
{
    const auto layer = ShapeLayer::open(provinceLayer);
    const AttributeColumn &names = layer->attributes().column(layer->attributes().indexOf(QStringLiteral("NAME")));
    const AttributeColumn &countries = layer->attributes().column(layer->attributes().indexOf(QStringLiteral("COUNTRY")));
    for (PlaceIndex::Entry &entry : entries) {
        Place &p = entry.place;
        if (!p.province.isEmpty() || p.kind != PlaceKind::Place)
            continue;
        for (std::uint32_t f = 0; f < layer->featureCount(); ++f) {
            const MapPoint at{p.lon, p.lat};
            if (countries.valueText(f) == p.country && !names.valueText(f).isEmpty() && layer->featureExtent(f).contains(at)
                && layer->featureContains(f, at)) {
                p.province = names.valueText(f);
                break;
            }
        }
    }
}
