#include "base/ApplicationFolder.h"

#include <QCoreApplication>

namespace {
QString &overrideFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString ApplicationFolder()
{
    QString folder = overrideFolder().isEmpty() ? QCoreApplication::applicationDirPath() : overrideFolder();
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

void SetApplicationFolder(const QString &folder) { overrideFolder() = folder; }

QString ApplicationFolderOverride() { return overrideFolder(); }

QString ApplicationPath(const QString &relativePath)
{
    QString relative = relativePath;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return ApplicationFolder() + relative;
}
