#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>

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
