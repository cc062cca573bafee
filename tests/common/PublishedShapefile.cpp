#include "tests/common/PublishedShapefile.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {

bool run(const QString &program, const QStringList &arguments, const QString &folder, QString &why)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForStarted(10000)) {
        why = program + " cannot be started";
        return false;
    }
    if (!process.waitForFinished(180000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        why = program + ' ' + arguments.join(' ') + " failed: " +
              QString::fromLocal8Bit(process.readAllStandardError()).trimmed().left(300);
        return false;
    }
    return true;
}

} // namespace

QString PublishedNcShapefile(QString &why)
{
    const QString folder = QStringLiteral(SILVARIA_BINARY_DIR "/testdata/r-cran-sf");
    const QString shp = folder + QStringLiteral("/tree/usr/lib/R/site-library/sf/shape/nc.shp");
    if (QFileInfo::exists(shp))
        return shp;
    QDir().mkpath(folder);
    if (!run(QStringLiteral("apt-get"), {QStringLiteral("download"), QStringLiteral("r-cran-sf")}, folder, why))
        return QString();
    const QStringList debs = QDir(folder).entryList({QStringLiteral("r-cran-sf_*.deb")}, QDir::Files);
    if (debs.isEmpty()) {
        why = QStringLiteral("apt-get download r-cran-sf left no package in ") + folder;
        return QString();
    }
    if (!run(QStringLiteral("dpkg"), {QStringLiteral("-x"), debs.front(), QStringLiteral("tree")}, folder, why))
        return QString();
    if (!QFileInfo::exists(shp)) {
        why = QStringLiteral("r-cran-sf holds no shape/nc.shp");
        return QString();
    }
    return shp;
}
