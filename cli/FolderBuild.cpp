#include "cli/FolderBuild.h"

#include "cli/CliCommand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

FolderBuild::FolderBuild(const QString &target)
    : m_target(QDir::cleanPath(QFileInfo(target).absoluteFilePath())), m_work(m_target + QStringLiteral(".part"))
{
    if (QFileInfo(m_target).exists() && !QFileInfo(m_target).isDir())
        throw CliFailure(ExitNotWritten, QStringLiteral("%1 is a file, not a folder").arg(target));
    QDir(m_work).removeRecursively();
    if (!QDir().mkpath(m_work))
        throw CliFailure(ExitNotWritten, QStringLiteral("Cannot create %1 (nothing was changed)").arg(m_work));
}

FolderBuild::~FolderBuild()
{
    if (!m_done)
        QDir(m_work).removeRecursively();
}

void FolderBuild::keepOld(const QString &name)
{
    const QString old = m_target + QLatin1Char('/') + name;
    if (QFileInfo(old).isFile() && !QFile::copy(old, filePath(name)))
        throw CliFailure(ExitNotWritten, QStringLiteral("Cannot copy %1 into %2 (nothing was changed)").arg(old, m_work));
}

void FolderBuild::commit()
{
    const QString old = m_target + QStringLiteral(".old");
    QDir(old).removeRecursively();
    const bool hadTarget = QFileInfo(m_target).exists();
    if (hadTarget && !QDir().rename(m_target, old))
        throw CliFailure(ExitNotWritten, QStringLiteral("Cannot move %1 aside (nothing was changed)").arg(m_target));
    if (!QDir().rename(m_work, m_target)) {
        if (hadTarget)
            QDir().rename(old, m_target);
        throw CliFailure(ExitNotWritten, QStringLiteral("Cannot move %1 to %2 (nothing was changed)").arg(m_work, m_target));
    }
    m_done = true;
    QDir(old).removeRecursively();
}
