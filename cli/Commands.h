#pragma once
#include <QStringList>

// The subcommands; each takes the arguments after its name and returns the
// exit code, throwing CliFailure for usage, data and output failures.
int RunSpeciesCommand(const QStringList &arguments);
int RunSheetCommand(const QStringList &arguments);
int RunMapCommand(const QStringList &arguments);
int RunAtCommand(const QStringList &arguments);
int RunReportCommand(const QStringList &arguments);
int RunPlacesCommand(const QStringList &arguments);
int RunAreaCommand(const QStringList &arguments);
int RunCountCommand(const QStringList &arguments);
int RunShiftCommand(const QStringList &arguments);
int RunScenariosCommand(const QStringList &arguments);
int RunCatalogueCommand(const QStringList &arguments);
int RunGridCommand(const QStringList &arguments);
// Serves the pages until SIGINT or SIGTERM.
int RunServeCommand(const QStringList &arguments);
// grid fetch, the part of grid after "fetch".
int RunGridFetch(const QStringList &arguments);
