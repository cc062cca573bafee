#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>

#include <sys/stat.h>
#include <sys/sysmacros.h>

// Writes `content` to `path`, replacing what was there; false when it cannot.
inline bool WriteFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

// The whole of `path`, or nothing when it cannot be read.
inline QByteArray ReadFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A device that is always full: a node of its own in `folder` where the test
// may make one (as root), so that a fault replacing the file there cannot
// replace the system's /dev/full; else /dev/full itself.
inline QString FullDevice(const QString &folder)
{
    const QString own = folder + QStringLiteral("/full");
    return ::mknod(QFile::encodeName(own).constData(), S_IFCHR | 0666, makedev(1, 7)) == 0 ? own : QStringLiteral("/dev/full");
}
