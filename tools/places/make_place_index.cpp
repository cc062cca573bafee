// Writes the place index of the application folder from a GeoNames dump of
// populated places and the names of its first- and second-level divisions.
//
//   make_place_index cities500.txt admin1.json admin2.json province_bnd.shp places.idx
#include "base/Error.h"
#include "tools/places/RegionPlaces.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <cstdio>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString()), path);
    return file.readAll();
}

// The divisions of the region's countries: code ("TH.02") to name.
QMap<QString, QString> divisionNames(const QString &path)
{
    QMap<QString, QString> names;
    for (const QJsonValue v : QJsonDocument::fromJson(readAll(path)).array()) {
        const QString code = v[QStringLiteral("code")].toString();
        if (RegionCountries().contains(code.left(2)))
            names.insert(code, v[QStringLiteral("name")].toString());
    }
    if (names.isEmpty())
        throw Error(QStringLiteral("%1 names no division of the region").arg(path), path);
    return names;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 6) {
        std::fputs("usage: make_place_index cities500.txt admin1.json admin2.json province_bnd.shp places.idx\n", stderr);
        return 1;
    }
    try {
        std::vector<GeoNamesRow> rows;
        QTextStream in(readAll(args[1]));
        GeoNamesRow row;
        while (!in.atEnd())
            if (ReadGeoNamesRow(in.readLine(), row))
                rows.push_back(row);
        const QMap<QString, QString> admin1 = divisionNames(args[2]);
        const QStringList dropped = DropUnknownDivisions(rows, admin1);
        if (!dropped.isEmpty())
            std::printf("division codes of another edition, names left out: %s\n", qPrintable(dropped.join(QLatin1Char(' '))));
        std::vector<PlaceIndex::Entry> entries = RegionEntries(rows, admin1, divisionNames(args[3]));
        ProvincesFromLayer(entries, args[4]);
        const PlaceIndex index = PlaceIndex::build(entries);
        index.write(args[5]);
        std::printf("%zu populated places, %u places with divisions, %u names\n", rows.size(), index.placeCount(), index.nameCount());
    } catch (const Error &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 2;
    }
    return 0;
}
