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

namespace {

// The lettering of a picture and the part of it the map takes, above the stamp.
struct PictureLayout {
    QFont font;
    QSize mapSize;
};

PictureLayout layoutOf(const PointMapRequest &request)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(StampFontPixels(request.size.height()));
    const int footer = std::min(request.size.height() / 2, StampHeight(request.stamp, font.pixelSize(), request.size.width()));
    return {font, QSize(std::max(1, request.size.width()), std::max(1, request.size.height() - footer))};
}

// The legend in the lower left corner of the map: the title, then a swatch
// and the caption of each class.
void drawLegend(QPainter &p, const QFontMetrics &metrics, const PointMapRequest &request, int mapHeight)
{
    if (request.classes.empty() && request.title.isEmpty())
        return;
    const int line = metrics.height();
    int width = metrics.horizontalAdvance(request.title);
    for (const PointClassLayer &cls : request.classes)
        width = std::max(width, line * 2 + metrics.horizontalAdvance(cls.caption));
    const int height = line * int(request.classes.size() + (request.title.isEmpty() ? 0 : 1)) + line / 2;
    QRect box(line / 2, mapHeight - height - line / 2, width + line, height);
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

} // namespace

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

QImage RenderPointClasses(const MapData &data, const std::vector<PointClassLayer> &classes, const MapExtent &extent, QSize size)
{
    MapLayers layers;
    AddMapDataLayers(layers, data);
    const MapViewport viewport(extent.isValid() ? extent : layers.fullExtent(), size);
    return MapRenderer::render(layers, viewport, MapBackColour, [&](int index, MapPainter &painter) {
        if (index != 0)
            return;
        DrawPointClasses(*data.canvas, classes, viewport.unitsPerPixel(),
                         [&painter](const MapRecordSet &records, const MapSymbol &symbol) { painter.drawRecordSet(records, symbol); });
    });
}

QImage RenderPointMap(const MapData &data, const PointMapRequest &request)
{
    const PictureLayout layout = layoutOf(request);
    QImage picture(std::max(1, request.size.width()), std::max(1, request.size.height()), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.drawImage(0, 0, RenderPointClasses(data, request.classes, request.extent, layout.mapSize));
    p.setFont(layout.font);
    drawLegend(p, QFontMetrics(layout.font), request, layout.mapSize.height());
    p.end();
    DrawStamp(picture, layout.mapSize.height(), layout.font.pixelSize(), request.stamp);
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
