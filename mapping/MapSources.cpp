#include "mapping/MapSources.h"

#include "base/AppIdentity.h"
#include "base/SafeFileWrite.h"
#include "mapping/MapError.h"

#include <QBuffer>
#include <QDate>
#include <QFile>
#include <QFontMetrics>
#include <QImageWriter>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <stdexcept>

QMap<QString, QString> ReadLayerSources(const QString &shapeFolder)
{
    QFile file(shapeFolder + QStringLiteral("/sources.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ParseLayerSources(QString::fromUtf8(file.read(1 << 20)));
}

QMap<QString, QString> ParseLayerSources(const QString &text)
{
    QMap<QString, QString> sources;
    for (const QString &raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || eq <= 0)
            continue;
        sources.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return sources;
}

QString LayerSource(const QMap<QString, QString> &sources, const QString &layer)
{
    return sources.value(layer, QStringLiteral("%1: source not described in sources.txt").arg(layer));
}

PictureStamp SourceStampOf(const QString &shapeFolder, const QString &program)
{
    const auto sources = ReadLayerSources(shapeFolder);
    const AppVersion v = ApplicationVersion();
    return {{QStringLiteral("Boundaries"), LayerSource(sources, QStringLiteral("country_bnd"))},
            {QStringLiteral("Grid"), LayerSource(sources, QStringLiteral("pasia_canvas"))},
            {QStringLiteral("Software"), QStringLiteral("%1 %2.%3.%4").arg(program).arg(v.major).arg(v.minor).arg(v.revision)},
            {QStringLiteral("Date"), QDate::currentDate().toString(Qt::ISODate)}};
}

int StampFontPixels(int height) { return std::clamp(height / 60, 9, 18); }

namespace {

QFont stampFont(int pixels)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    return font;
}

} // namespace

void DrawStamp(QImage &picture, int top, int fontPixels, const PictureStamp &stamp)
{
    const QFont font = stampFont(fontPixels);
    const QFontMetrics metrics(font);
    const int line = metrics.height();
    QPainter p(&picture);
    p.setFont(font);
    p.setPen(QColor(40, 40, 40));
    for (int i = 0; i < stamp.size(); ++i) {
        const QString text = stamp[i].first + QStringLiteral(": ") + stamp[i].second;
        p.drawText(QRect(line / 2, top + line / 2 + i * line, picture.width() - line, line),
                   Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(text, Qt::ElideRight, picture.width() - line));
    }
    p.end();
    for (const auto &[key, text] : stamp)
        picture.setText(key, text);
}

QImage StampedPicture(const QImage &map, const PictureStamp &stamp)
{
    const int pixels = StampFontPixels(map.height());
    const int line = QFontMetrics(stampFont(pixels)).height();
    QImage picture(map.width(), map.height() + line * int(stamp.size() + 1), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.drawImage(0, 0, map);
    p.end();
    DrawStamp(picture, map.height(), pixels, stamp);
    return picture;
}

void WritePngFile(const QImage &image, const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        throw MapError(QStringLiteral("Cannot save the map to %1: %2").arg(path, writer.errorString()));
    try {
        WriteFileSafely(path, bytes);
    } catch (const std::runtime_error &e) {
        throw MapError(QStringLiteral("Cannot save the map to %1: %2").arg(path, QString::fromUtf8(e.what())));
    }
}
