// libFuzzer target: a catalogue's plain source files, checked and built as
// `catalogue check` and `catalogue build` do, and the fact sheets of what was
// built. The input is the files one after another, split at NUL bytes:
// languages.json, countries.json, then up to eight species files. Nothing may
// crash; every built species' sheet must hold its headings whatever its texts
// hold; sources the check finds no fault in must build, with the species
// identifiers they give, and give every sheet.
#include "catalogue/CatalogueCheck.h"
#include "catalogue/CatalogueError.h"
#include "catalogue/CatalogueWriter.h"
#include "catalogue/modDatabase.h"
#include "factsheet/FactSheet.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextDocument>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

// Builds and formats the sheet of every species of the built catalogue; their identifiers.
static QList<double> showEverySheet(const QString &built)
{
    SetCatalogueConnection(Connection::OpenFile(built));
    QList<double> ids;
    for (RecordSet rs = CatalogueConnection().Open(QStringLiteral("SELECT SpID FROM Species ORDER BY SpID")); !rs.isEOF(); rs.moveNext()) {
        ids << rs.value(QStringLiteral("SpID")).toDouble();
        const QString sheet = BuildFactSheet(rs.text(QStringLiteral("SpID")));
        for (const char *heading : {"-Species Identity-", "3. Geographic Distribution", "-Bibliography-"})
            if (!sheet.contains(QLatin1String(heading)))
                std::abort();
        QTextDocument doc;
        doc.setPlainText(FactSheetDisplayText(sheet));
        ColorizeFactSheet(&doc);
    }
    return ids;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 3;
    static char name[] = "fuzz_catalogue_sources", platform[] = "-platform", offscreen[] = "offscreen";
    static char *argv[] = {name, platform, offscreen, nullptr};
    static QGuiApplication app(argc, argv);
    static QTemporaryDir work;
    QDir dir(work.filePath(QStringLiteral("sources")));
    dir.removeRecursively();
    dir.mkpath(QStringLiteral("species"));
    const QList<QByteArray> parts = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0');
    QList<double> ids;
    for (qsizetype i = 0; i < parts.size() && i < 10; ++i) {
        QFile file(dir.filePath(i == 0 ? QStringLiteral("languages.json")
                                : i == 1 ? QStringLiteral("countries.json") : QStringLiteral("species/%1.json").arg(i)));
        if (file.open(QIODevice::WriteOnly))
            file.write(parts[i]);
        if (i > 1)
            ids << QJsonDocument::fromJson(parts[i]).object().value(QStringLiteral("SpID")).toDouble();
    }
    std::sort(ids.begin(), ids.end());

    const bool clean = CheckCatalogueSources(dir.path()).isEmpty();
    const QString built = work.filePath(QStringLiteral("built.mdb"));
    try {
        WriteCatalogueFromSources(dir.path(), built);
        if (showEverySheet(built) != ids && clean)
            std::abort(); // built with other identifiers than the sources give
    } catch (const CatalogueError &) {
        if (clean)
            std::abort(); // the check found no fault, yet the build, or a sheet, failed
    }
    return 0;
}
