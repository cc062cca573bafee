#include "platform/DisplayCheck.h"
#include "app/frmSplash.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Without a display Qt would abort with a backtrace; say what to do instead.
    if (DisplayMissing(PlatformFindsDisplayThroughVariables(), [](const char *name) { return !qEnvironmentVariableIsEmpty(name); })) {
        std::fprintf(stderr, "silvaria: no display found; start it under a virtual display: xvfb-run -a %s\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Silvaria"));
    // Ties the windows to the installed menu entry (its icon and name in task bars).
    QApplication::setDesktopFileName(QStringLiteral("org.example.silvaria.Silvaria"));
    auto *splash = new frmSplash;
    splash->show();
    return app.exec();
}
