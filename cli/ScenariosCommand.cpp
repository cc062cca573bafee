// scenarios: the scenario grids installed beside the map grid, with what
// each is and where its climate comes from.
#include "analysis/ScenarioGrids.h"
#include "base/ApplicationFolder.h"
#include "cli/CliCommand.h"
#include "cli/Commands.h"

#include <QCoreApplication>

int RunScenariosCommand(const QStringList &arguments)
{
    CommandLine line(QStringLiteral("scenarios"), QCoreApplication::translate("ScenariosCommand", "The scenario grids installed beside the map grid (each the "
                                    "projection of one climate model, not a forecast), with their sources: the names "
                                    "shift --scenario and count --scenario take."));
    if (!line.parse(arguments))
        return ExitDone;
    if (!line.positional().isEmpty())
        UsageError(QCoreApplication::translate("ScenariosCommand", "scenarios takes no argument \"%1\"").arg(line.positional().front()));
    const RowFormat format = line.rowFormat();
    line.openCatalogue();
    Rows rows{{QStringLiteral("Name"), QStringLiteral("GCM"), QStringLiteral("SSP"), QStringLiteral("Period"),
               QStringLiteral("Source"), QStringLiteral("Citation")},
              {-1, -1, -1, -1, -1, -1},
              {}};
    for (const ScenarioGrid &s : ListScenarioGrids(ApplicationPath(QStringLiteral("\\ShapeFiles\\"))))
        rows.rows << QVariantList{s.name, s.gcm, s.ssp, s.period, s.source, s.citation};
    if (rows.rows.isEmpty() && format == RowFormat::Table)
        PrintOut(QCoreApplication::translate("ScenariosCommand", "No scenario grids installed; silvaria-cli grid fetch worldclim --future GCM SSP PERIOD adds one.\n"));
    else
        PrintOut(FormatRows(rows, format));
    return ExitDone;
}
