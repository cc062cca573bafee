#pragma once
#include <QString>

// Lines of progress of the grid commands on standard error, each with the
// seconds since the command started: "grid build:   2.5 s: sampled 40%".
// grid build prints them always (a long build should show it is working);
// grid fetch only on a terminal, so that a script sees one line on failure.

// Starts the clock for `command` ("grid build").
void StartGridProgress(const QString &command, bool onlyOnTerminal);
// Prints a line, when progress is shown.
void GridProgressLine(const QString &text);
// Whether lines are printed.
bool GridProgressShown();
