#include "tools/catalogue/PublishedAccessFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>

QString PublishedAccessFile(const QString &cacheDir, QString *why)
{
    const QString file = cacheDir + QStringLiteral("/package/test/fruit.mdb");
    if (QFile::exists(file))
        return file;
    QDir().mkpath(cacheDir);
    QProcess npm;
    npm.setWorkingDirectory(cacheDir);
    npm.start(QStringLiteral("npm"), {QStringLiteral("pack"), QStringLiteral("mdb@0.1.0"), QStringLiteral("--silent")});
    if (!npm.waitForFinished(180000) || npm.exitCode() != 0) {
        if (why)
            *why = QStringLiteral("npm pack mdb@0.1.0 failed: ")
                 + QString::fromLocal8Bit(npm.readAllStandardError()).trimmed() + npm.errorString();
        return QString();
    }
    QProcess tar;
    tar.setWorkingDirectory(cacheDir);
    tar.start(QStringLiteral("tar"), {QStringLiteral("xzf"), QStringLiteral("mdb-0.1.0.tgz")});
    tar.waitForFinished();
    if (!QFile::exists(file)) {
        if (why)
            *why = QStringLiteral("the package holds no test/fruit.mdb");
        return QString();
    }
    return file;
}
