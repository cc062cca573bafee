#include "analysis/NearMisses.h"
#include "analysis/SuitabilityClasses.h"
#include "cli/CliCommand.h"
#include "cli/CliData.h"
#include "cli/Commands.h"
#include "cli/OptionReaders.h"
#include "cli/PlaceLookup.h"
#include "mapping/AttributeColumn.h"
#include "mapping/MapError.h"

#include <QCoreApplication>

#include <cmath>

namespace {

QString rangeText(double min, double max) { return NumberText::shortest(min) + QStringLiteral(" to ") + NumberText::shortest(max); }

// One row per suitable species; with near misses also the near misses and
// the species whose ranges are incomplete, with the missed criterion.
Rows answerRows(const PointAnswer &answer, bool nearMisses)
{
    Rows rows{{QStringLiteral("List"), QStringLiteral("SpID"), QStringLiteral("Species"), QStringLiteral("Uses"),
               QStringLiteral("Criterion"), QStringLiteral("Point"), QStringLiteral("Range"), QStringLiteral("Miss"),
               QStringLiteral("Relative")},
              {-1, 0, -1, -1, -1, -1, -1, -1, 3}, {}};
    const auto add = [&](const QString &list, const SpeciesRangeRow *s, const QVariantList &miss) {
        rows.rows << (QVariantList{list, s->spId, s->name, s->uses.trimmed()} + miss);
    };
    const QVariantList noMiss = nearMisses ? QVariantList{{}, {}, {}, {}, {}} : QVariantList{};
    for (const SpeciesRangeRow *s : answer.suitable)
        add(QStringLiteral("suitable"), s, noMiss);
    if (!nearMisses) {
        rows.headers = rows.headers.mid(0, 4);
        rows.decimals = rows.decimals.mid(0, 4);
        return rows;
    }
    for (const NearMiss &m : answer.nearMisses)
        add(QStringLiteral("near miss"), m.species,
            {QLatin1String(DataRangeOf(Criterion(m.criterion)).field), NumberText::shortest(answer.values[m.criterion]),
             rangeText(m.min, m.max), m.text(), m.relative});
    for (const SpeciesRangeRow *s : answer.incomplete)
        add(QStringLiteral("ranges incomplete"), s, noMiss);
    return rows;
}

// CSV and JSON carry the grid point the answer is for on every row, after a
// first row "grid point", so a script sees it even when no species suits.
void addGridPoint(Rows &rows, const PointAnswer &answer)
{
    const QVariantList point{answer.position.x, answer.position.y, EngineValue(answer.values[0]), EngineValue(answer.values[1]),
                             EngineValue(answer.values[2])};
    const qsizetype own = rows.headers.size();
    rows.headers << QStringLiteral("Grid lon") << QStringLiteral("Grid lat") << QStringLiteral("Grid ALT")
                 << QStringLiteral("Grid MAR") << QStringLiteral("Grid MAT");
    rows.decimals << 4 << 4 << ShortestNumber << ShortestNumber << ShortestNumber;
    for (QVariantList &row : rows.rows)
        row += point;
    QVariantList first{QStringLiteral("grid point")};
    while (first.size() < own)
        first << QVariant();
    rows.rows.prepend(first + point);
}

} // namespace

int RunAtCommand(const QStringList &arguments)
{
    CommandLine line(QStringLiteral("at"), QCoreApplication::translate("AtCommand", "Lists the species suitable at the grid point nearest LON,LAT (within identify's "
                                    "reach), as the map's Suitable Tree Species tool does; with --near-misses also "
                                    "the species that miss by one range, and those whose ranges are incomplete."));
    AddPositionOrPlaceArguments(line, QCoreApplication::translate("AtCommand", "Position in degrees, west and south negative (Yogyakarta: at 110.37,-7.8), "
                                                                       "or the name of a place, district or province (at \"Chiang Mai\")."));
    line.addOption({QStringLiteral("use"), QCoreApplication::translate("AtCommand", "Only species of this use."), QStringLiteral("USE")});
    line.addOption({QStringLiteral("near-misses"), QCoreApplication::translate("AtCommand", "Also list near misses and incomplete ranges.")});
    line.addOption({QStringLiteral("near-limit"), QCoreApplication::translate("AtCommand", "Largest miss relative to the range's width (default 0.25)."),
                    QStringLiteral("R")});
    if (!line.parse(arguments))
        return ExitDone;
    const NamedPosition named = PositionOrPlace(line, line.requiredPositional(QStringLiteral("LON,LAT|PLACE")));
    const Position position = named.position;
    const RowFormat format = line.rowFormat();
    const std::uint16_t use = line.isSet(QStringLiteral("use")) ? UseOption(line.value(QStringLiteral("use"))) : 0;
    const double limit = line.isSet(QStringLiteral("near-limit"))
                             ? NumberOption(QStringLiteral("near-limit"), line.value(QStringLiteral("near-limit")))
                             : DefaultNearLimit;
    line.openCatalogue();
    const MapData maps = LoadMaps();
    const SpeciesRangeTable species = SpeciesRangeTable::read();
    const GridClimate climate = GridClimate::read(*maps.canvas->data());
    // Identify's reach on a map window showing the whole map.
    MapExtent full = maps.canvas->extent();
    full.include(maps.boundaries->extent());
    const PointAnswer answer =
        AnswerAtPoint(species, climate, *maps.canvas, {position.lon, position.lat}, IdentifyReach(full), use, limit);
    if (!answer.found)
        throw CliFailure(ExitDataError, QCoreApplication::translate("AtCommand", "no grid point lies within %1 degrees of %2,%3")
                                            .arg(IdentifyReach(full), 0, 'f', 2).arg(position.lon).arg(position.lat));
    for (int c = 0; c < 3; ++c)
        if (std::isnan(answer.values[c]))
            throw CliFailure(ExitDataError, QCoreApplication::translate("AtCommand", "the grid point at %1,%2 has no %3 value, so no species can be matched to it")
                                                .arg(answer.position.x).arg(answer.position.y)
                                                .arg(QLatin1String(DataRangeOf(Criterion(c)).field)));

    Rows rows = answerRows(answer, line.isSet(QStringLiteral("near-misses")));
    if (format == RowFormat::Table && !named.place.isEmpty())
        PrintOut(QCoreApplication::translate("AtCommand", "Place %1 at %2, %3\n").arg(named.place, QString::number(position.lon, 'f', 4), QString::number(position.lat, 'f', 4)));
    if (format == RowFormat::Table)
        PrintOut(QCoreApplication::translate("AtCommand", "Grid point %1, %2: ALT %3 m, MAR %4 mm, MAT %5 °C\n")
                     .arg(QString::number(answer.position.x, 'f', 4), QString::number(answer.position.y, 'f', 4),
                          NumberText::shortest(answer.values[0]), NumberText::shortest(answer.values[1]),
                          NumberText::shortest(answer.values[2])));
    else
        addGridPoint(rows, answer);
    PrintOut(FormatRows(rows, format));
    return ExitDone;
}
