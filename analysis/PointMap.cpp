#include "analysis/PointMap.h"

#include "mapping/GridLayers.h"
#include "mapping/MapError.h"
#include "mapping/MapExport.h"
#include "mapping/MapRenderer.h"
#include "mapping/MapSources.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

int GridMarkerPixels(const MapLayer &canvas, double unitsPerPixel)
{
    const MapExtent e = canvas.extent();
    const auto n = double(std::max<std::uint32_t>(1, canvas.data()->featureCount()));
    const double step = std::sqrt(e.width() * e.height() / n);
    return unitsPerPixel > 0 ? std::clamp(int(std::ceil(step / unitsPerPixel)), 1, 64) : 1;
}

void AddMapDataLayers(MapLayers &layers, const MapData &data)
{
    AddGridLayers(layers, data.canvas->data(), [&data] { return data.boundaries ? data.boundaries->data() : nullptr; });
}

void DrawPointClasses(const MapLayer &canvas, const std::vector<PointClassLayer> &classes, double unitsPerPixel,
                      const RecordSetDrawing &draw)
{
    MapSymbol symbol;
    symbol.style = MarkerSquare;
    symbol.size = GridMarkerPixels(canvas, unitsPerPixel);
    for (const PointClassLayer &cls : classes) {
        symbol.color = symbol.outlineColor = cls.colour;
        draw(MapRecordSet(canvas.data(), cls.points), symbol);
    }
}

QImage RenderPointMap(const MapData &data, const PointMapRequest &request)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(StampFontPixels(request.size.height()));
    const QFontMetrics metrics(font);
    const int line = metrics.height();
    const int footer = std::min(request.size.height() / 2, StampHeight(request.stamp, font.pixelSize(), request.size.width()));
    const QSize mapSize(std::max(1, request.size.width()), std::max(1, request.size.height() - footer));

    MapLayers layers;
    AddMapDataLayers(layers, data);
    const MapExtent extent = request.extent.isValid() ? request.extent : layers.fullExtent();
    const MapViewport viewport(extent, mapSize);
    const QImage map = MapRenderer::render(layers, viewport, MapBackColour, [&](int index, MapPainter &painter) {
        if (index != 0)
            return;
        DrawPointClasses(*data.canvas, request.classes, viewport.unitsPerPixel(),
                         [&painter](const MapRecordSet &records, const MapSymbol &symbol) { painter.drawRecordSet(records, symbol); });
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
    p.end();
    DrawStamp(picture, mapSize.height(), font.pixelSize(), request.stamp);
    return picture;
}

QSize PictureSizeAround(const QSize &mapSize, const PictureStamp &stamp)
{
    // The lettering grows with the picture's height (up to its largest size),
    // and the stamp with the lettering: grow the picture until they agree.
    int height = mapSize.height();
    int pixels = 0;
    while (pixels != StampFontPixels(height)) {
        pixels = StampFontPixels(height);
        height = mapSize.height() + StampHeight(stamp, pixels, mapSize.width());
    }
    // RenderPointMap gives the stamp at most half the picture.
    return {mapSize.width(), std::max(height, 2 * (height - mapSize.height()))};
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
    WritePngFile(image, path);
}
