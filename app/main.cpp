#include "app/frmMain.h"
#include "catalogue/CatalogueError.h"
#include "catalogue/modDatabase.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would abort with a backtrace; say what to do instead.
bool displayAvailable()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty())
        return true;
    return !qgetenv("DISPLAY").isEmpty() || !qgetenv("WAYLAND_DISPLAY").isEmpty();
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fprintf(stderr, "silvaria: no display found; run it under a virtual display: xvfb-run -a %s\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Silvaria"));
    try {
        OpenCatalogue();
    } catch (const CatalogueError &e) {
        QMessageBox::critical(nullptr, QStringLiteral("Silvaria"), e.message());
        return 1;
    }
    frmMain window;
    window.show();
    return app.exec();
}
