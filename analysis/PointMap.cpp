#include "analysis/PointMap.h"

#include "base/SafeFileWrite.h"
#include "mapping/MapError.h"
#include "mapping/MapExport.h"
#include "mapping/MapRenderer.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor MapBackground(198, 224, 242);

// Grid points drawn as squares one grid step wide, so the classes fill their land.
int pointSize(const MapData &data, const MapViewport &viewport)
{
    const MapExtent e = data.canvas->extent();
    const auto n = double(std::max<std::uint32_t>(1, data.canvas->data()->featureCount()));
    const double step = std::sqrt(e.width() * e.height() / n);
    return std::clamp(int(std::ceil(step / viewport.unitsPerPixel())), 1, 64);
}

QStringList stampLines(const PointMapRequest &request)
{
    QStringList lines;
    for (const auto &[key, text] : request.stamp)
        lines << key + QStringLiteral(": ") + text;
    return lines;
}

} // namespace

QImage RenderPointMap(const MapData &data, const PointMapRequest &request)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::clamp(request.size.height() / 60, 9, 18));
    const QFontMetrics metrics(font);
    const QStringList lines = stampLines(request);
    const int line = metrics.height();
    const int footer = std::min(request.size.height() / 2, line * int(lines.size() + 1));
    const QSize mapSize(std::max(1, request.size.width()), std::max(1, request.size.height() - footer));

    MapLayers layers;
    auto canvas = std::make_shared<MapLayer>(data.canvas->data());
    canvas->setVisible(false);
    layers.add(canvas);
    auto boundaries = std::make_shared<MapLayer>(data.boundaries->data());
    boundaries->setColor(QColor(255, 255, 255));
    layers.add(boundaries);
    const MapExtent extent = request.extent.isValid() ? request.extent : layers.fullExtent();
    const MapViewport viewport(extent, mapSize);
    const int size = pointSize(data, viewport);
    const QImage map = MapRenderer::render(layers, viewport, MapBackground, [&](int index, MapPainter &painter) {
        if (index != 0)
            return;
        for (const PointClassLayer &cls : request.classes) {
            MapSymbol symbol;
            symbol.style = MarkerSquare;
            symbol.color = symbol.outlineColor = cls.colour;
            symbol.size = size;
            painter.drawRecordSet(MapRecordSet(data.canvas->data(), cls.points), symbol);
        }
    });

    QImage picture(std::max(1, request.size.width()), std::max(1, request.size.height()), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.drawImage(0, 0, map);
    p.setFont(font);
    // The legend in the lower left corner of the map.
    if (!request.classes.empty() || !request.title.isEmpty()) {
        int width = metrics.horizontalAdvance(request.title);
        for (const PointClassLayer &cls : request.classes)
            width = std::max(width, line * 2 + metrics.horizontalAdvance(cls.caption));
        const int height = line * int(request.classes.size() + (request.title.isEmpty() ? 0 : 1)) + line / 2;
        QRect box(line / 2, mapSize.height() - height - line / 2, width + line, height);
        p.fillRect(box, QColor(255, 255, 255, 230));
        p.setPen(Qt::black);
        p.drawRect(box);
        int y = box.top() + line / 4;
        if (!request.title.isEmpty()) {
            p.drawText(QRect(box.left() + line / 2, y, width, line), Qt::AlignLeft | Qt::AlignVCenter, request.title);
            y += line;
        }
        for (const PointClassLayer &cls : request.classes) {
            p.fillRect(QRect(box.left() + line / 2, y + line / 4, line, line / 2), cls.colour);
            p.drawText(QRect(box.left() + line * 2, y, width, line), Qt::AlignLeft | Qt::AlignVCenter, cls.caption);
            y += line;
        }
    }
    // The source stamp below the map.
    p.setPen(QColor(40, 40, 40));
    for (int i = 0; i < lines.size(); ++i)
        p.drawText(QRect(line / 2, mapSize.height() + line / 2 + i * line, picture.width() - line, line),
                   Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(lines[i], Qt::ElideRight, picture.width() - line));
    p.end();
    for (const auto &[key, text] : request.stamp)
        picture.setText(key, text);
    return picture;
}

bool IsMapPictureName(const QString &path)
{
    return path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) ||
           path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive);
}

void SaveMapPicture(const QImage &image, const QString &path)
{
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        WriteBitmapFile(image, path);
        return;
    }
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
