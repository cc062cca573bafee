#include "mapping/MapSources.h"

#include "base/AppIdentity.h"
#include "base/SafeFileWrite.h"
#include "mapping/MapError.h"

#include <QBuffer>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFontMetrics>
#include <QImageWriter>
#include <QPainter>
#include <QStringList>
#include <QTextLayout>

#include <algorithm>
#include <utility>
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
    PictureStamp stamp{{QStringLiteral("Boundaries"), LayerSource(sources, QStringLiteral("country_bnd"))},
                       {QStringLiteral("Grid"), LayerSource(sources, QStringLiteral("pasia_canvas"))}};
    for (const auto &[key, entry] : {std::pair{QStringLiteral("citation"), QStringLiteral("Citation")},
                                     std::pair{QStringLiteral("terms"), QStringLiteral("Terms")}})
        if (sources.contains(key))
            stamp.append({entry, sources.value(key)});
    stamp.append({QStringLiteral("Software"), QStringLiteral("%1 %2.%3.%4").arg(program).arg(v.major).arg(v.minor).arg(v.revision)});
    stamp.append({QStringLiteral("Date"), StampDate().toString(Qt::ISODate)});
    return stamp;
}

QDate StampDate()
{
    bool given = false;
    const qint64 seconds = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&given);
    return given ? QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).date() : QDate::currentDate();
}

int StampFontPixels(int height) { return std::clamp(height / 60, 9, 18); }

namespace {

QFont stampFont(int pixels)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    return font;
}

// A stamp line: its text and how far it is indented.
struct StampLine {
    QString text;
    int indent;
};

// The entries' lines within `width` pixels; an entry's later lines are
// indented by a line's height, so each entry's start stands out.
QList<StampLine> stampLines(const PictureStamp &stamp, const QFont &font, int width)
{
    const int indent = QFontMetrics(font).height();
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QList<StampLine> lines;
    for (const auto &[key, value] : stamp) {
        const QString text = key + QStringLiteral(": ") + value;
        QTextLayout layout(text, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            const int at = line.lineNumber() == 0 ? 0 : indent;
            line.setLineWidth(std::max(indent, width - at));
            lines.append({text.mid(line.textStart(), line.textLength()).trimmed(), at});
        }
        layout.endLayout();
    }
    return lines;
}

} // namespace

int StampHeight(const PictureStamp &stamp, int fontPixels, int width)
{
    const QFont font = stampFont(fontPixels);
    const int line = QFontMetrics(font).height();
    return line * int(stampLines(stamp, font, width - line).size() + 1);
}

void DrawStamp(QImage &picture, int top, int fontPixels, const PictureStamp &stamp)
{
    const QFont font = stampFont(fontPixels);
    const int line = QFontMetrics(font).height();
    QPainter p(&picture);
    p.setFont(font);
    p.setPen(QColor(40, 40, 40));
    const QList<StampLine> lines = stampLines(stamp, font, picture.width() - line);
    for (int i = 0; i < lines.size(); ++i)
        p.drawText(QRect(line / 2 + lines[i].indent, top + line / 2 + i * line, picture.width() - line - lines[i].indent, line),
                   Qt::AlignLeft | Qt::AlignVCenter, lines[i].text);
    p.end();
    for (const auto &[key, text] : stamp)
        picture.setText(key, text);
}

QImage StampedPicture(const QImage &map, const PictureStamp &stamp)
{
    const int pixels = StampFontPixels(map.height());
    QImage picture(map.width(), map.height() + StampHeight(stamp, pixels, map.width()), QImage::Format_RGB32);
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
