#include "analysis/NearMisses.h"
#include "analysis/SuitabilityClasses.h"
#include "cli/CliCommand.h"
#include "cli/CliData.h"
#include "cli/Commands.h"
#include "mapping/AttributeColumn.h"
#include "mapping/MapError.h"

#include <cmath>

namespace {

QString rangeText(double min, double max) { return NumberText::shortest(min) + QStringLiteral(" to ") + NumberText::shortest(max); }

} // namespace

int RunAtCommand(const QStringList &arguments)
{
    CommandLine line(QStringLiteral("at"), QStringLiteral("Lists the species suitable at the grid point nearest LON,LAT (within identify's "
                                    "reach), as the map's Suitable Tree Species tool does; with --near-misses also "
                                    "the species that miss by one range, and those whose ranges are incomplete."));
    line.addPositional(QStringLiteral("LON,LAT"), QStringLiteral("Position in degrees (west and south negative: at -- -3.5,100)."));
    line.addOption({QStringLiteral("use"), QStringLiteral("Only species of this use."), QStringLiteral("USE")});
    line.addOption({QStringLiteral("near-misses"), QStringLiteral("Also list near misses and incomplete ranges.")});
    line.addOption({QStringLiteral("near-limit"), QStringLiteral("Largest miss relative to the range's width (default 0.25)."),
                    QStringLiteral("R")});
    if (!line.parse(arguments))
        return ExitDone;
    const QList<double> position = NumberList(QStringLiteral("LON,LAT"), line.requiredPositional(QStringLiteral("LON,LAT")), 2);
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
        AnswerAtPoint(species, climate, *maps.canvas, {position[0], position[1]}, IdentifyReach(full), use, limit);
    if (!answer.found)
        throw CliFailure(ExitDataError, QStringLiteral("no grid point lies within %1 degrees of %2,%3")
                                            .arg(IdentifyReach(full), 0, 'f', 2).arg(position[0]).arg(position[1]));
    for (int c = 0; c < 3; ++c)
        if (std::isnan(answer.values[c]))
            throw CliFailure(ExitDataError, QStringLiteral("the grid point at %1,%2 has no %3 value, so no species can be matched to it")
                                                .arg(answer.position.x).arg(answer.position.y)
                                                .arg(QLatin1String(DataRangeOf(Criterion(c)).field)));

    Rows rows{{QStringLiteral("List"), QStringLiteral("SpID"), QStringLiteral("Species"), QStringLiteral("Uses"),
               QStringLiteral("Criterion"), QStringLiteral("Point"), QStringLiteral("Range"), QStringLiteral("Miss"),
               QStringLiteral("Relative")},
              {-1, 0, -1, -1, -1, -1, -1, -1, 3}, {}};
    for (const SpeciesRangeRow *s : answer.suitable)
        rows.rows << QVariantList{QStringLiteral("suitable"), s->spId, s->name, s->uses.trimmed(), {}, {}, {}, {}, {}};
    if (line.isSet(QStringLiteral("near-misses"))) {
        for (const NearMiss &m : answer.nearMisses)
            rows.rows << QVariantList{QStringLiteral("near miss"), m.species->spId, m.species->name, m.species->uses.trimmed(),
                                      QLatin1String(DataRangeOf(Criterion(m.criterion)).field),
                                      NumberText::shortest(answer.values[m.criterion]), rangeText(m.min, m.max), m.text(),
                                      m.relative};
        for (const SpeciesRangeRow *s : answer.incomplete)
            rows.rows << QVariantList{QStringLiteral("ranges incomplete"), s->spId, s->name, s->uses.trimmed(), {}, {}, {}, {}, {}};
    } else {
        rows.headers = rows.headers.mid(0, 4);
        rows.decimals = rows.decimals.mid(0, 4);
    }
    if (format == RowFormat::Table)
        PrintOut(QStringLiteral("Grid point %1, %2: ALT %3 m, MAR %4 mm, MAT %5 \u00b0C\n")
                     .arg(QString::number(answer.position.x, 'f', 4), QString::number(answer.position.y, 'f', 4),
                          NumberText::shortest(answer.values[0]), NumberText::shortest(answer.values[1]),
                          NumberText::shortest(answer.values[2])));
    PrintOut(FormatRows(rows, format));
    return ExitDone;
}
