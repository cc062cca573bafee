#include "mapping/MapPainter.h"

#include "mapping/MapLayer.h"

#include <QPainterPath>

#include <cmath>

namespace {

// The pixels of a marker relative to its centre pixel, split into edge and
// inside, so a marker is a list of writes.
struct MarkerStamp {
    std::vector<QPoint> inside;
    std::vector<QPoint> edge;
    int radius = 0; // no pixel lies further than this from the centre pixel

    MarkerStamp(int diameter, int style)
    {
        const int d = std::max(diameter, 1);
        const double c = (d - 1) / 2.0;
        const double r2 = (d / 2.0) * (d / 2.0);
        auto in = [&](int i, int j) {
            if (i < 0 || j < 0 || i >= d || j >= d)
                return false;
            return style == MarkerSquare || (i - c) * (i - c) + (j - c) * (j - c) <= r2;
        };
        const int shift = d / 2;
        for (int j = 0; j < d; ++j)
            for (int i = 0; i < d; ++i) {
                if (!in(i, j))
                    continue;
                const bool isEdge = d > 2 && (!in(i - 1, j) || !in(i + 1, j) || !in(i, j - 1) || !in(i, j + 1));
                (isEdge ? edge : inside).push_back(QPoint(i - shift, j - shift));
                radius = std::max({radius, std::abs(i - shift), std::abs(j - shift)});
            }
    }
};

void addParts(QPainterPath &path, const std::vector<MapPoint> &vertices, const std::vector<std::uint32_t> &starts,
              std::uint32_t firstPart, std::uint32_t endPart, bool close)
{
    for (std::uint32_t k = firstPart; k < endPart; ++k) {
        const std::uint32_t begin = starts[k], end = starts[k + 1];
        if (end <= begin)
            continue;
        path.moveTo(vertices[begin].x, vertices[begin].y);
        for (std::uint32_t i = begin + 1; i < end; ++i)
            path.lineTo(vertices[i].x, vertices[i].y);
        if (close)
            path.closeSubpath();
    }
}

} // namespace

MapPainter::MapPainter(QImage &image, QPainter &painter, const MapViewport &viewport)
    : m_image(image), m_painter(painter), m_viewport(viewport)
{
}

void MapPainter::drawLayer(const MapLayer &layer)
{
    MapSymbol symbol;
    symbol.color = layer.color();
    symbol.outlineColor = layer.shapeType() == ShapeTypePolygon ? layer.outlineColor() : layer.color();
    symbol.size = layer.shapeType() == ShapeTypePoint ? 3 : 1;
    drawFeatures(*layer.data(), nullptr, symbol);
}

void MapPainter::drawRecordSet(const MapRecordSet &records, const MapSymbol &symbol)
{
    if (records.layer())
        drawFeatures(*records.layer(), &records.featureIds(), symbol);
}

void MapPainter::setStyle(const MapSymbol &symbol, int shapeType)
{
    const double scale = m_viewport.symbolScale();
    QPen pen(shapeType == ShapeTypeLine ? symbol.color : symbol.outlineColor);
    pen.setCosmetic(true);
    pen.setWidthF(std::max(1.0, symbol.size * scale * (shapeType == ShapeTypeLine ? 1.0 : 0.0)));
    pen.setJoinStyle(Qt::RoundJoin);
    m_painter.setPen(pen);
    m_painter.setBrush(shapeType == ShapeTypePolygon ? QBrush(symbol.color) : QBrush(Qt::NoBrush));
}

void MapPainter::drawFeatures(const ShapeLayer &layer, const std::vector<std::uint32_t> *features,
                              const MapSymbol &symbol)
{
    if (layer.hasPointArrays())
        return drawPointArrays(layer, features, symbol);
    const std::uint32_t count = features ? std::uint32_t(features->size()) : layer.featureCount();
    const MapExtent view = m_viewport.extent();
    const int type = layer.shapeType();
    if (type == ShapeTypePoint) { // multipoints: every vertex is a marker
        for (std::uint32_t n = 0; n < count; ++n) {
            const std::uint32_t id = features ? (*features)[n] : n;
            for (std::uint32_t k = layer.firstPart(id); k < layer.endPart(id); ++k)
                for (std::uint32_t i = layer.partStarts()[k]; i < layer.partStarts()[k + 1]; ++i)
                    drawMarker(m_viewport.toPixel(layer.vertices()[i]), symbol);
        }
        return;
    }
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setTransform(m_viewport.transform());
    setStyle(symbol, type);
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (std::uint32_t n = 0; n < count; ++n) {
        const std::uint32_t id = features ? (*features)[n] : n;
        if (!layer.featureExtent(id).intersects(view))
            continue;
        // One path per feature keeps holes and islands of a feature together.
        QPainterPath feature;
        feature.setFillRule(Qt::OddEvenFill);
        addParts(feature, layer.vertices(), layer.partStarts(), layer.firstPart(id), layer.endPart(id),
                 type == ShapeTypePolygon);
        m_painter.drawPath(feature);
    }
    m_painter.restore();
}

void MapPainter::drawPointArrays(const ShapeLayer &layer, const std::vector<std::uint32_t> *features,
                                 const MapSymbol &symbol)
{
    const std::uint32_t count = features ? std::uint32_t(features->size()) : layer.featureCount();
    const int diameter = std::max(1, int(std::lround(symbol.size * m_viewport.symbolScale())));
    const bool direct = symbol.color.alpha() == 255 && symbol.outlineColor.alpha() == 255 &&
                        (m_image.format() == QImage::Format_ARGB32_Premultiplied ||
                         m_image.format() == QImage::Format_RGB32 || m_image.format() == QImage::Format_ARGB32);
    const double *xs = layer.xs().data();
    const double *ys = layer.ys().data();
    const double left = m_viewport.extent().left();
    const double top = m_viewport.extent().top();
    const double perUnit = 1.0 / m_viewport.unitsPerPixel();
    if (!direct) {
        for (std::uint32_t n = 0; n < count; ++n) {
            const std::uint32_t id = features ? (*features)[n] : n;
            if (!std::isnan(xs[id]))
                drawMarker(QPointF((xs[id] - left) * perUnit, (top - ys[id]) * perUnit), symbol);
        }
        return;
    }
    const quint32 fill = symbol.color.rgb();
    const quint32 edge = symbol.outlineColor.rgb();
    const int width = m_image.width();
    const int height = m_image.height();
    uchar *bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine();
    auto pixel = [&](int x, int y) -> quint32 & { return reinterpret_cast<quint32 *>(bits + y * stride)[x]; };
    if (diameter == 1) {
        for (std::uint32_t n = 0; n < count; ++n) {
            const std::uint32_t id = features ? (*features)[n] : n;
            const double px = (xs[id] - left) * perUnit;
            const double py = (top - ys[id]) * perUnit;
            // NaN and far-off points fail these tests too.
            if (px >= 0 && py >= 0 && px < width && py < height)
                pixel(int(px), int(py)) = fill;
        }
        return;
    }
    const MarkerStamp stamp(diameter, symbol.style);
    const int r = stamp.radius;
    for (std::uint32_t n = 0; n < count; ++n) {
        const std::uint32_t id = features ? (*features)[n] : n;
        const double px = (xs[id] - left) * perUnit;
        const double py = (top - ys[id]) * perUnit;
        if (!(px >= -r && py >= -r && px < width + r && py < height + r))
            continue;
        // Odd sizes centre on the pixel under the point, even sizes on the
        // pixel corner nearest to it.
        const int cx = int(diameter % 2 ? std::floor(px) : std::round(px));
        const int cy = int(diameter % 2 ? std::floor(py) : std::round(py));
        if (cx - r >= 0 && cy - r >= 0 && cx + r < width && cy + r < height) {
            for (const QPoint &o : stamp.inside)
                pixel(cx + o.x(), cy + o.y()) = fill;
            for (const QPoint &o : stamp.edge)
                pixel(cx + o.x(), cy + o.y()) = edge;
            continue;
        }
        for (const QPoint &o : stamp.inside)
            if (unsigned(cx + o.x()) < unsigned(width) && unsigned(cy + o.y()) < unsigned(height))
                pixel(cx + o.x(), cy + o.y()) = fill;
        for (const QPoint &o : stamp.edge)
            if (unsigned(cx + o.x()) < unsigned(width) && unsigned(cy + o.y()) < unsigned(height))
                pixel(cx + o.x(), cy + o.y()) = edge;
    }
}

void MapPainter::drawMarker(QPointF pixel, const MapSymbol &symbol)
{
    if (std::isnan(pixel.x()) || std::isnan(pixel.y()))
        return;
    const double d = std::max(1.0, std::round(symbol.size * m_viewport.symbolScale()));
    m_painter.save();
    m_painter.resetTransform();
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setPen(d > 2 ? QPen(symbol.outlineColor) : QPen(Qt::NoPen));
    m_painter.setBrush(symbol.color);
    const QRectF box(std::floor(pixel.x()) - std::floor(d / 2), std::floor(pixel.y()) - std::floor(d / 2), d, d);
    if (d <= 1)
        m_painter.fillRect(box, symbol.color);
    else if (symbol.style == MarkerSquare)
        m_painter.drawRect(box.adjusted(0, 0, -1, -1));
    else
        m_painter.drawEllipse(box.adjusted(0, 0, -1, -1));
    m_painter.restore();
}

void MapPainter::drawShape(const MapShape &shape, const MapSymbol &symbol)
{
    if (shape.isNull())
        return;
    if (shape.shapeType() != ShapeTypeLine && shape.shapeType() != ShapeTypePolygon) {
        for (const MapPoints &part : shape.Parts())
            for (const MapPoint &p : part.points())
                drawMarker(m_viewport.toPixel(p), symbol);
        return;
    }
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const MapPoints &part : shape.Parts()) {
        if (part.Count() == 0)
            continue;
        path.moveTo(part.points().front().x, part.points().front().y);
        for (const MapPoint &p : part.points())
            path.lineTo(p.x, p.y);
        if (shape.shapeType() == ShapeTypePolygon)
            path.closeSubpath();
    }
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setTransform(m_viewport.transform());
    setStyle(symbol, shape.shapeType());
    m_painter.drawPath(path);
    m_painter.restore();
}

void MapPainter::drawText(const QString &text, const MapShape &shape, const TextSymbol &symbol)
{
    if (shape.isNull() || text.isEmpty())
        return;
    const double pixels = symbol.height / m_viewport.unitsPerPixel();
    if (!(pixels >= 1) || pixels > 4 * std::max(m_image.width(), m_image.height()))
        return; // too small to read, or absurdly large
    QFont font = symbol.font;
    font.setPixelSize(std::max(1, int(std::lround(pixels))));
    if (shape.shapeType() == ShapeTypeLine && !shape.Parts().empty() && shape.Parts().front().Count() >= 2)
        return drawTextAlong(text, shape.Parts().front(), font, symbol.color);
    const QPointF at = m_viewport.toPixel({shape.x(), shape.y()});
    m_painter.save();
    m_painter.resetTransform();
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setFont(font);
    m_painter.setPen(symbol.color);
    const QFontMetricsF metrics(font);
    const QRectF box(at.x() - metrics.horizontalAdvance(text) / 2, at.y() - metrics.height() / 2,
                     metrics.horizontalAdvance(text), metrics.height());
    m_painter.drawText(box, Qt::AlignCenter, text);
    m_painter.restore();
}

void MapPainter::drawTextAlong(const QString &text, const MapPoints &line, const QFont &font, const QColor &color)
{
    QPainterPath path;
    path.moveTo(m_viewport.toPixel(line.points().front()));
    for (const MapPoint &p : line.points())
        path.lineTo(m_viewport.toPixel(p));
    const QFontMetricsF metrics(font);
    const double length = path.length();
    const double textWidth = metrics.horizontalAdvance(text);
    double at = std::max(0.0, (length - textWidth) / 2);
    m_painter.save();
    m_painter.resetTransform();
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setFont(font);
    m_painter.setPen(color);
    for (const QChar c : text) {
        const double advance = metrics.horizontalAdvance(c);
        const double middle = std::min(at + advance / 2, length);
        const double percent = length > 0 ? path.percentAtLength(middle) : 0;
        const QPointF point = path.pointAtPercent(percent);
        const double angle = path.angleAtPercent(percent);
        m_painter.save();
        m_painter.translate(point);
        m_painter.rotate(-angle);
        m_painter.drawText(QPointF(-advance / 2, metrics.ascent() / 2 - metrics.descent() / 2), QString(c));
        m_painter.restore();
        at += advance;
    }
    m_painter.restore();
}
