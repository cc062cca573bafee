#pragma once
#include "cli/CliCommand.h"

#include <QtGlobal>

// silvaria-cli as one call: reads the command and its options, runs it and
// maps its failures to the exit codes (0 done, 1 usage, 2 data error, 3 output
// not written), printing to `streams`. Each call starts as a fresh run of the
// program does (the program's own application folder, no catalogue open, the
// bundled grid's data ranges) and gives the caller's back at its end; Qt's
// messages meanwhile go to the run's standard error. One run at a time.
// Pictures are drawn, so a QGuiApplication must exist: the caller's.
int RunCli(const QStringList &arguments, const CliStreams &streams);

// Qt's messages as the program prints them: on standard error, without the
// note about a missing XDG_RUNTIME_DIR on machines without a session, which is
// noise to a script.
void CliMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message);
