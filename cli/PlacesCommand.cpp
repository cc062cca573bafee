#include "cli/CliCommand.h"
#include "cli/Commands.h"
#include "cli/PlaceLookup.h"
#include "places/PlaceSearch.h"

#include <QCoreApplication>

int RunPlacesCommand(const QStringList &arguments)
{
    CommandLine line(QStringLiteral("places"), QCoreApplication::translate("PlacesCommand", "Lists the places, districts and provinces of the region whose name "
                                    "or alternate name holds TEXT (case, accents and spaces ignored, in every script), best "
                                    "match first, then the largest."));
    line.addPositional(QStringLiteral("TEXT"), QCoreApplication::translate("PlacesCommand", "A name or part of one (\"Chiang Mai\", \"da lat\", \"เชียงใหม่\")."));
    line.addOption({QStringLiteral("country"), QCoreApplication::translate("PlacesCommand", "Only places of this country (code such as TH, or name)."),
                    QStringLiteral("CC")});
    line.addOption({QStringLiteral("limit"), QCoreApplication::translate("PlacesCommand", "At most N places (default 20, 0 for all)."), QStringLiteral("N")});
    if (!line.parse(arguments))
        return ExitDone;
    const QString text = line.requiredPositional(QStringLiteral("TEXT"));
    const RowFormat format = line.rowFormat();
    const double limit = line.isSet(QStringLiteral("limit")) ? NumberOption(QStringLiteral("limit"), line.value(QStringLiteral("limit"))) : 20;
    if (limit < 0 || limit != double(qint64(limit)))
        UsageError(QCoreApplication::translate("PlacesCommand", "--limit takes a whole number, 0 for all, not \"%1\"").arg(line.value(QStringLiteral("limit"))));
    line.useAppFolder();
    const auto places = CommandPlaces();
    const QString country = CountryOption(line, *places);

    Rows rows{{QStringLiteral("Name"), QStringLiteral("Kind"), QStringLiteral("District"), QStringLiteral("Province"),
               QStringLiteral("Country"), QStringLiteral("Lon"), QStringLiteral("Lat"), QStringLiteral("Population"),
               QStringLiteral("Found as")},
              {-1, -1, -1, -1, -1, 4, 4, 0, -1},
              {}};
    for (const PlaceMatch &m : FindPlaces(*places, text, country, std::size_t(limit))) {
        const Place p = places->place(m.place);
        const QString found = places->nameText(m.name);
        rows.rows << QVariantList{p.name, PlaceKindText(p.kind), p.district, p.province, p.country, p.lon, p.lat,
                                  qulonglong(p.population), found == p.name ? QString() : found};
    }
    if (rows.rows.isEmpty() && format == RowFormat::Table) {
        PrintOut(QCoreApplication::translate("PlacesCommand", "No place of the region is named like \"%1\".\n").arg(ShownInput(text)));
        return ExitDone;
    }
    PrintOut(FormatRows(rows, format));
    return ExitDone;
}
