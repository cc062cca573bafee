#pragma once
#include "cli/GridRaster.h"

#include <optional>

class CommandLine;
struct GridFolderRequest;

// The options grid build and grid fetch share, read the same way by both.

// Adds --countries, --name-field, --extent, --step and -o/--output.
void AddGridFolderOptions(CommandLine &line);
// --extent W,S,E,N and --step MINUTES; either may be left out when `defaults`
// gives it. A usage error names the command.
GridFrame GridFrameOption(const CommandLine &line, const QString &command, const std::optional<GridFrame> &defaults);
// --countries and --name-field into the request; -o FOLDER as its output.
void ReadGridFolderOptions(const CommandLine &line, const QString &command, GridFolderRequest &request);
