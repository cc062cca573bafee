// Draws the species plates listed in plates.json into JPEG files:
//   make_plates tools/plates/plates.json data/SpeciesImage [image ...]
// With image names, draws only those plates.
#include "tools/plates/Plate.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <exception>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: make_plates plates.json output-folder [image ...]\n");
        return 2;
    }
    try {
        const QList<PlateSpec> plates = ReadPlates(args[1]);
        const QStringList only = args.mid(3);
        QDir().mkpath(args[2]);
        int written = 0;
        for (const PlateSpec &plate : plates) {
            if (!only.isEmpty() && !only.contains(plate.image))
                continue;
            const QString path = QDir(args[2]).filePath(plate.image + QStringLiteral(".jpg"));
            QSaveFile file(path);
            if (!file.open(QIODevice::WriteOnly) || !DrawPlate(plate).save(&file, "JPG", 80) || !file.commit()) {
                std::fprintf(stderr, "make_plates: cannot write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
                return 1;
            }
            ++written;
        }
        std::printf("%d plates written to %s\n", written, qPrintable(args[2]));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "make_plates: %s\n", e.what());
        return 1;
    }
    return 0;
}
