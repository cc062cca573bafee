// silvaria-cli: the catalogue, the suitability maps and the planners'
// analyses on the command line, on the same core as the desktop program.

#include "cli/CliProgram.h"

#include <QGuiApplication>

int main(int argc, char **argv)
{
    qInstallMessageHandler(CliMessageHandler);
    // No display is needed: pictures are rendered off-screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return RunCli(app.arguments().mid(1), ProcessStreams());
}
