#include "analysis/AreaTableText.h"

#include "analysis/ProvinceAreas.h"

QList<QStringList> AreaTableCells(const AreaTable &table, const QStringList &classes, const QLocale &locale)
{
    QStringList header{QStringLiteral("Country"), QStringLiteral("Land km2")};
    for (const QString &c : classes)
        header << c + QStringLiteral(" km2") << c + QStringLiteral(" %");
    QList<QStringList> cells{header};
    const auto add = [&](const AreaRow &row) {
        QStringList line{row.country, locale.toString(row.landKm2, 'f', 0)};
        for (std::size_t k = 0; k < row.km2.size(); ++k)
            line << locale.toString(row.km2[k], 'f', 0) << locale.toString(row.share(k) * 100, 'f', 1);
        cells << line;
    };
    for (const AreaRow &row : table.countries)
        add(row);
    if (table.outside.landKm2 > 0)
        add(table.outside);
    add(table.total);
    return cells;
}

QList<QStringList> ProvinceTableCells(const ProvinceAreaTable &table, const QStringList &classes, const QLocale &locale)
{
    QStringList header{QStringLiteral("Country"), QStringLiteral("Province"), QStringLiteral("Land km2")};
    for (const QString &c : classes)
        header << c + QStringLiteral(" km2") << c + QStringLiteral(" %");
    QList<QStringList> cells{header};
    const auto add = [&](const QString &country, const QString &province, const AreaRow &row) {
        QStringList line{country, province, locale.toString(row.landKm2, 'f', 0)};
        for (std::size_t k = 0; k < row.km2.size(); ++k)
            line << locale.toString(row.km2[k], 'f', 0) << locale.toString(row.share(k) * 100, 'f', 1);
        cells << line;
    };
    for (const ProvinceAreaBlock &block : table.countries) {
        for (const AreaRow &province : block.provinces)
            add(block.country.country, province.country, province);
        if (block.hasProvinces && block.outside.landKm2 > 0)
            add(block.country.country, block.outside.country, block.outside);
        if (!table.oneCountry)
            add(block.country.country, QString(), block.country);
    }
    if (!table.oneCountry && table.outsideCountries.landKm2 > 0)
        add(OutsideBoundariesText(), QString(), table.outsideCountries);
    add(table.oneCountry && !table.countries.empty() ? table.countries.front().country.country : QStringLiteral("total"), QString(), table.total);
    return cells;
}

QString TabSeparated(const QList<QStringList> &cells)
{
    QString text;
    for (const QStringList &row : cells) {
        QStringList clean;
        for (QString cell : row)
            clean << cell.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        text += clean.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QByteArray CommaSeparated(const QList<QStringList> &cells)
{
    QByteArray out;
    for (const QStringList &row : cells) {
        QStringList quoted;
        for (QString cell : row) {
            if (cell.contains(QLatin1Char(',')) || cell.contains(QLatin1Char('"')) || cell.contains(QLatin1Char('\n')) ||
                cell.contains(QLatin1Char('\r')))
                cell = QLatin1Char('"') + cell.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
            quoted << cell;
        }
        out += quoted.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    return out;
}
