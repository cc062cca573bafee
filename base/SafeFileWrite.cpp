#include "base/SafeFileWrite.h"

#include "base/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>


namespace {
[[noreturn]] void fail(const QString &reason) { throw Error(reason); }
} // namespace

void WriteFileSafely(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        fail(QStringLiteral("no file name"));
    const QFileInfo target(path);
    if (target.isDir())
        fail(QStringLiteral("it is a folder"));
    if (target.exists() && !target.isFile()) {
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            fail(device.errorString());
        if (device.write(bytes) != bytes.size() || !device.flush())
            fail(device.errorString());
        return;
    }
    if (!target.absoluteDir().exists())
        fail(QStringLiteral("the folder %1 does not exist").arg(QDir::toNativeSeparators(target.absolutePath())));
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // Unbuffered: a write that fails (a full disk, a size limit) must fail
    // here. A buffered small file would be flushed inside commit(), which
    // ignores that failure and renames the cut-off copy over the old file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(reason);
    }
    if (!file.commit())
        fail(file.errorString());
}
