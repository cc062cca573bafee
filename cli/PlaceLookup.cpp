#include "cli/PlaceLookup.h"

#include "base/Error.h"
#include "cli/CliCommand.h"
#include "places/PlaceSearch.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

std::shared_ptr<const PlaceIndex> CommandPlaces()
{
    try {
        return PlaceIndex::application();
    } catch (const Error &e) {
        throw CliFailure(ExitDataError, QCoreApplication::translate("PlaceLookup", "places are unavailable: %1").arg(e.message()));
    }
}

QString CountryOption(const CommandLine &line, const PlaceIndex &places)
{
    if (!line.isSet(QStringLiteral("country")))
        return {};
    const QString country = line.value(QStringLiteral("country"));
    if (!FindCountry(places, country))
        UsageError(QCoreApplication::translate("PlaceLookup", "--country takes one of %1 or a country's name, not \"%2\"")
                       .arg(places.countryCodes().join(QStringLiteral(", ")), country.left(100)));
    return country;
}

bool LooksLikeNumbers(const QString &text)
{
    // Each part between commas blank, a number as typed (digits, sign, point,
    // exponent) or nan or inf, which the number readers refuse by name.
    static const QRegularExpression part(QStringLiteral("^\\s*([-+0-9.eE]*|[-+]?(nan|inf|infinity))\\s*$"),
                                         QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression anyNumber(QStringLiteral("[0-9]|nan|inf"), QRegularExpression::CaseInsensitiveOption);
    const QStringList parts = text.split(QLatin1Char(','));
    return text.contains(anyNumber) && std::all_of(parts.begin(), parts.end(), [](const QString &p) { return part.match(p).hasMatch(); });
}

QString ShownInput(const QString &text)
{
    QString shown = text.left(80);
    for (QChar &c : shown)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format || c.isSpace())
            c = c.isSpace() ? QLatin1Char(' ') : QChar(QChar::ReplacementCharacter);
    return shown.simplified();
}

QString PlaceLine(const Place &place)
{
    QStringList parts{QStringLiteral("%1 (%2)").arg(place.name, PlaceKindText(place.kind))};
    if (!place.district.isEmpty() && place.kind == PlaceKind::Place)
        parts << place.district;
    if (!place.province.isEmpty() && place.kind != PlaceKind::Province)
        parts << place.province;
    parts << place.country;
    return parts.join(QStringLiteral(", "));
}

NamedPosition PositionOrPlace(const CommandLine &line, const QString &text)
{
    if (LooksLikeNumbers(text))
        return {PositionOption(text), QString()};
    line.useAppFolder();
    const auto places = CommandPlaces();
    const QString country = CountryOption(line, *places);
    const PlaceChoice choice = ChoosePlace(*places, text, country);
    const QString shown = ShownInput(text);
    if (choice.place) {
        const Place p = places->place(*choice.place);
        return {{p.lon, p.lat}, PlaceLine(p)};
    }
    if (choice.candidates.empty())
        throw CliFailure(ExitDataError, country.isEmpty()
                                            ? QCoreApplication::translate("PlaceLookup", "no place named \"%1\" (silvaria-cli places TEXT finds names)").arg(shown)
                                            : QCoreApplication::translate("PlaceLookup", "no place named \"%1\" in %2 (silvaria-cli places TEXT finds names)")
                                                  .arg(shown, country));
    QString message = country.isEmpty()
                          ? QCoreApplication::translate("PlaceLookup", "\"%1\" names more than one place; give a fuller name, LON,LAT or --country CC:").arg(shown)
                          : QCoreApplication::translate("PlaceLookup", "\"%1\" in %2 names more than one place; give a fuller name, LON,LAT or --country CC:")
                                .arg(shown, country);
    for (const PlaceMatch &m : choice.candidates) {
        const Place p = places->place(m.place);
        message += QStringLiteral("\n  %1 at %2,%3").arg(PlaceLine(p)).arg(p.lon, 0, 'f', 4).arg(p.lat, 0, 'f', 4);
    }
    throw CliFailure(ExitDataError, message);
}

std::optional<MapExtent> ViewExtentOption(const CommandLine &line, QSize picture)
{
    if (!line.isSet(QStringLiteral("extent")))
        return std::nullopt;
    const QString text = line.value(QStringLiteral("extent"));
    if (LooksLikeNumbers(text) && text.count(QLatin1Char(',')) != 1)
        return ExtentOption(line);
    const Position centre = PositionOrPlace(line, text).position;
    constexpr double width = 4;
    const double height = width * picture.height() / picture.width();
    return MapExtent(centre.lon - width / 2, centre.lat - height / 2, centre.lon + width / 2, centre.lat + height / 2);
}

void AddPositionOrPlaceArguments(CommandLine &line, const QString &positionHelp)
{
    line.addPositional(QStringLiteral("LON,LAT|PLACE"), positionHelp);
    line.addOption({QStringLiteral("country"),
                    QCoreApplication::translate("PlaceLookup", "Narrows a place name to this country (code such as TH, or name)."),
                    QStringLiteral("CC")});
}
