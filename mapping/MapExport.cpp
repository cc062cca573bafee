#include "mapping/MapExport.h"

#include "base/SafeFileWrite.h"
#include "mapping/MapError.h"

#include <QBuffer>
#include <QImageWriter>

#include <stdexcept>

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
    try {
        WriteFileSafely(path, bytes);
    } catch (const std::runtime_error &e) {
        fail(path, QString::fromUtf8(e.what()));
    }
}
