#include "cli/FolderBuild.h"

#include "cli/CliCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {

// The folder to replace: the absolute path, a symbolic link followed to the
// folder it names (so that no link is ever moved or removed through).
QString realTarget(const QString &target)
{
    QString path = QDir::cleanPath(QFileInfo(target).absoluteFilePath());
    const QFileInfo info(path);
    if (info.isSymLink()) {
        path = info.canonicalFilePath();
        if (path.isEmpty())
            throw CliFailure(ExitNotWritten, QCoreApplication::translate("FolderBuild", "%1 is a link to %2, which does not exist (nothing was changed)")
                                                 .arg(target, info.symLinkTarget()));
    }
    if (QFileInfo(path).exists() && !QFileInfo(path).isDir())
        throw CliFailure(ExitNotWritten, QCoreApplication::translate("FolderBuild", "%1 is a file, not a folder").arg(target));
    return path;
}

// Creates a folder "<target>.<kind>-<random>" that did not exist before (and
// the target's parent folders when they are missing).
QString createFreshFolder(const QString &target, const char *kind)
{
    QDir().mkpath(QFileInfo(target).path());
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = QStringLiteral("%1.%2-%3").arg(target, QLatin1String(kind))
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        if (QDir().mkdir(path))
            return path;
        if (!QFileInfo::exists(path))
            break; // not a clash: the parent folder cannot take it
    }
    throw CliFailure(ExitNotWritten, QCoreApplication::translate("FolderBuild", "Cannot create a folder beside %1 (nothing was changed)").arg(target));
}

} // namespace

FolderBuild::FolderBuild(const QString &target) : m_target(realTarget(target)), m_work(createFreshFolder(m_target, "part")) {}

FolderBuild::~FolderBuild()
{
    if (!m_done)
        QDir(m_work).removeRecursively();
}

void FolderBuild::keepOld(const QString &name) { copyIn(m_target + QLatin1Char('/') + name, name); }

void FolderBuild::copyIn(const QString &source, const QString &name)
{
    if (QFileInfo(source).isFile() && !QFile::copy(source, filePath(name)))
        throw CliFailure(ExitNotWritten, QCoreApplication::translate("FolderBuild", "Cannot copy %1 into %2 (nothing was changed)").arg(source, m_work));
}

void FolderBuild::commit()
{
    // The old folder moves into a fresh folder of its own, so no name can clash.
    const bool hadTarget = QFileInfo::exists(m_target);
    const QString aside = hadTarget ? createFreshFolder(m_target, "old") : QString();
    const QString old = aside + QLatin1Char('/') + QFileInfo(m_target).fileName();
    if (hadTarget && !QDir().rename(m_target, old)) {
        QDir().rmdir(aside);
        throw CliFailure(ExitNotWritten, QCoreApplication::translate("FolderBuild", "Cannot move %1 aside (nothing was changed)").arg(m_target));
    }
    if (!QDir().rename(m_work, m_target)) {
        if (hadTarget) {
            QDir().rename(old, m_target);
            QDir().rmdir(aside);
        }
        throw CliFailure(ExitNotWritten, QCoreApplication::translate("FolderBuild", "Cannot move %1 to %2 (nothing was changed)").arg(m_work, m_target));
    }
    m_done = true;
    if (hadTarget)
        QDir(aside).removeRecursively();
}
