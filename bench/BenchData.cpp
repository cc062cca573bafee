#include "bench/BenchData.h"

#include "tools/catalogue/PublishedAccessFile.h"
#include "tools/catalogue/SyntheticCatalogue.h"

#include <QDir>
#include <QFile>

QString SyntheticApplicationFolder()
{
    const QString folder = QStringLiteral(SILVARIA_BINARY_DIR "/bench/synthetic-app");
    const QString file = folder + QStringLiteral("/Database/dbsilvar.mdb");
    if (!QFile::exists(file)) {
        QDir().mkpath(folder + QStringLiteral("/Database"));
        WriteSyntheticCatalogue(file, SyntheticSize{});
    }
    return folder;
}

QString PublishedJetFile() { return PublishedAccessFile(QStringLiteral(SILVARIA_BINARY_DIR "/cache/npm-mdb")); }
