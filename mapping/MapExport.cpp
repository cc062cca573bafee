#include "mapping/MapExport.h"

#include "mapping/MapError.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace {

[[noreturn]] void fail(const QString &path, const QString &reason)
{
    throw MapError(QStringLiteral("Cannot save the map to %1: %2").arg(path, reason));
}

QByteArray encodeBitmap(const QImage &image, const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
        fail(path, writer.errorString());
    return bytes;
}

} // namespace

void WriteBitmapFile(const QImage &image, const QString &path)
{
    if (path.isEmpty())
        fail(path, QStringLiteral("no file name"));
    if (image.isNull())
        fail(path, QStringLiteral("the map has no picture to save"));
    const QByteArray bytes = encodeBitmap(image, path);
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        // A device or pipe cannot be replaced by a renamed file: write into it.
        if (target.isDir())
            fail(path, QStringLiteral("it is a folder"));
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            fail(path, device.errorString());
        if (device.write(bytes) != bytes.size() || !device.flush())
            fail(path, device.errorString());
        return;
    }
    if (!target.absoluteDir().exists())
        fail(path, QStringLiteral("the folder %1 does not exist").arg(target.absolutePath()));
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        fail(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(path, reason);
    }
    if (!file.commit())
        fail(path, file.errorString());
}
