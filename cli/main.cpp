// silvaria-cli: the catalogue, the suitability maps and the planners'
// analyses on the command line, on the same core as the desktop program.

#include "base/InterfaceLanguage.h"
#include "cli/CliProgram.h"

#include <QGuiApplication>
#include <QLocale>

int main(int argc, char **argv)
{
    qInstallMessageHandler(CliMessageHandler);
    // No display is needed: pictures are rendered off-screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // Messages and help in the system's language (LANG) where it has a translation; --lang overrides it.
    SetApplicationLanguage(MatchInterfaceLanguage(QLocale::system().uiLanguages()));
    return RunCli(app.arguments().mid(1), ProcessStreams());
}
