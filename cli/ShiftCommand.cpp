#include "analysis/ClimateShift.h"
#include "analysis/MapClasses.h"
#include "analysis/PictureStamps.h"
#include "analysis/PointMap.h"
#include "cli/CliCommand.h"
#include "cli/CliData.h"
#include "cli/Commands.h"
#include "cli/OptionReaders.h"

int RunShiftCommand(const QStringList &arguments)
{
    CommandLine line(QStringLiteral("shift"), QStringLiteral("The species' full match with the grid's MAT raised by DT \u00b0C and MAR changed by DP %, "
                                    "altitude unchanged: the km2 kept, lost and gained. A uniform shift of the grid's "
                                    "climate, not a climate projection."));
    line.addPositional(QStringLiteral("SPECIES"), QStringLiteral("Identifier, current name or synonym."));
    line.addOption({QStringLiteral("dt"), QStringLiteral("Change of MAT in \u00b0C (default 0)."), QStringLiteral("DT")});
    line.addOption({QStringLiteral("dp"), QStringLiteral("Change of MAR in percent (default 0)."), QStringLiteral("DP")});
    line.addOption({QStringLiteral("by-country"), QStringLiteral("One row per country of the boundary layer.")});
    AddOutputOption(line, QStringLiteral("Also draw the kept, lost and gained points (.png or .bmp)."));
    AddRangeOptions(line);
    line.addOption({QStringLiteral("size"), QStringLiteral("Picture size in pixels (default 1000x750)."), QStringLiteral("WxH")});
    if (!line.parse(arguments))
        return ExitDone;
    const QString name = line.requiredPositional(QStringLiteral("SPECIES"));
    const RowFormat format = line.rowFormat();
    const double dT = line.isSet(QStringLiteral("dt")) ? NumberOption(QStringLiteral("dt"), line.value(QStringLiteral("dt"))) : 0;
    const double dP = line.isSet(QStringLiteral("dp")) ? NumberOption(QStringLiteral("dp"), line.value(QStringLiteral("dp"))) : 0;
    if (dP < -100)
        UsageError(QStringLiteral("--dp cannot take away more than 100 % of the rainfall"));
    const QSize size = PictureSizeOption(line);
    const QString output = line.value(QStringLiteral("output"));
    if (line.isSet(QStringLiteral("output")))
        RequirePictureName(output);
    line.openCatalogue();
    const SpeciesMatch species = ResolveSpecies(name);
    const Bounds bounds = ResolveBounds(line, species.spId);
    const MapData maps = LoadMaps();
    const GridCells cells = GridCells::of(*maps.canvas->data());
    const auto countries = CountryAssignment::of(maps.canvas->data(), maps.boundaries->data());
    ClimateShiftResult shift = ShiftClimate(maps, cells, *countries, bounds, dT, dP);

    const QString shiftText = ShiftText(dT, dP);
    if (!output.isEmpty()) {
        PointMapRequest request;
        request.size = size;
        request.title = ShiftPictureTitle(species.name, dT, dP);
        request.classes = ShiftClasses(shift);
        const StampSpecies stamped{species.name, QString::number(species.spId), DrawnRangesText(bounds, maps.ranges)};
        request.stamp = ShiftPictureStamp(stamped, dT, dP, SourceStamp(maps));
        SavePicture(RenderPointMap(maps, request), output);
    }
    Rows rows = AreaRowsFor(shift.areas, line.isSet(QStringLiteral("by-country")),
                            {QStringLiteral("Kept"), QStringLiteral("Lost"), QStringLiteral("Gained")});
    if (format == RowFormat::Table) {
        PrintOut(QStringLiteral("%1 (SpID %2), %3: %4\n").arg(species.name).arg(species.spId).arg(shiftText, ShiftCaveat()));
    } else {
        rows.headers << QStringLiteral("Note");
        rows.decimals << -1;
        for (QVariantList &row : rows.rows)
            row << ShiftCaveat();
    }
    PrintOut(FormatRows(rows, format));
    return ExitDone;
}
