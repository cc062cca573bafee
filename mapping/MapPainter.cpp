#include "mapping/MapPainter.h"

#include "mapping/MapLayer.h"
#include "mapping/ShapeLayer.h"

#include <QPainterPath>

#include <cmath>

namespace {

// The pixels of a marker relative to its centre pixel, split into edge and
// inside, so a marker is a list of writes.
struct MarkerStamp {
    std::vector<QPoint> inside;
    std::vector<QPoint> edge;
    int radius = 0; // no pixel lies further than this from the centre pixel
    int diameter;

    MarkerStamp(int diameter, int style) : diameter(diameter)
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

// Where the points of a point-array layer fall in the image, in pixels.
struct PointPlacer {
    const double *xs;
    const double *ys;
    double left, top, perUnit;

    PointPlacer(const ShapeLayer &layer, const MapViewport &viewport)
        : xs(layer.xs().data()), ys(layer.ys().data()), left(viewport.extent().left()), top(viewport.extent().top()),
          perUnit(1.0 / viewport.unitsPerPixel())
    {
    }
    QPointF at(std::uint32_t id) const { return {(xs[id] - left) * perUnit, (top - ys[id]) * perUnit}; }
};

// The listed features, or every feature of the layer.
template <typename Visit>
void forEachFeature(const ShapeLayer &layer, const std::vector<std::uint32_t> *features, Visit visit)
{
    const std::uint32_t count = features ? std::uint32_t(features->size()) : layer.featureCount();
    for (std::uint32_t n = 0; n < count; ++n)
        visit(features ? (*features)[n] : n);
}

// True when markers of this symbol can be written straight into the image's
// pixels: opaque colours on a 32-bit image.
bool writesPixels(const QImage &image, const MapSymbol &symbol)
{
    return symbol.color.alpha() == 255 && symbol.outlineColor.alpha() == 255 &&
           (image.format() == QImage::Format_ARGB32_Premultiplied || image.format() == QImage::Format_RGB32 ||
            image.format() == QImage::Format_ARGB32);
}

// Writes a symbol's markers straight into the pixels of a 32-bit image.
class PixelMarkers {
public:
    PixelMarkers(QImage &image, const MapSymbol &symbol)
        : m_fill(symbol.color.rgb()), m_edge(symbol.outlineColor.rgb()), m_width(image.width()), m_height(image.height()),
          m_bits(image.bits()), m_stride(image.bytesPerLine())
    {
    }

    // A marker of one pixel.
    void dot(QPointF at)
    {
        // NaN and far-off points fail these tests too.
        if (at.x() >= 0 && at.y() >= 0 && at.x() < m_width && at.y() < m_height)
            pixel(int(at.x()), int(at.y())) = m_fill;
    }

    // A larger marker, cut at the image's edges.
    void stampAt(const MarkerStamp &stamp, QPointF at)
    {
        const int r = stamp.radius;
        const double px = at.x(), py = at.y();
        if (!(px >= -r && py >= -r && px < m_width + r && py < m_height + r))
            return;
        // Odd sizes centre on the pixel under the point, even sizes on the
        // pixel corner nearest to it.
        const int cx = int(stamp.diameter % 2 ? std::floor(px) : std::round(px));
        const int cy = int(stamp.diameter % 2 ? std::floor(py) : std::round(py));
        if (cx - r >= 0 && cy - r >= 0 && cx + r < m_width && cy + r < m_height) {
            for (const QPoint &o : stamp.inside)
                pixel(cx + o.x(), cy + o.y()) = m_fill;
            for (const QPoint &o : stamp.edge)
                pixel(cx + o.x(), cy + o.y()) = m_edge;
            return;
        }
        for (const QPoint &o : stamp.inside)
            if (unsigned(cx + o.x()) < unsigned(m_width) && unsigned(cy + o.y()) < unsigned(m_height))
                pixel(cx + o.x(), cy + o.y()) = m_fill;
        for (const QPoint &o : stamp.edge)
            if (unsigned(cx + o.x()) < unsigned(m_width) && unsigned(cy + o.y()) < unsigned(m_height))
                pixel(cx + o.x(), cy + o.y()) = m_edge;
    }

private:
    quint32 &pixel(int x, int y) { return reinterpret_cast<quint32 *>(m_bits + y * m_stride)[x]; }

    const quint32 m_fill;
    const quint32 m_edge;
    const int m_width;
    const int m_height;
    uchar *const m_bits;
    const qsizetype m_stride;
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
    const int diameter = std::max(1, int(std::lround(symbol.size * m_viewport.symbolScale())));
    const PointPlacer place(layer, m_viewport);
    if (!writesPixels(m_image, symbol)) {
        forEachFeature(layer, features, [&](std::uint32_t id) {
            if (!std::isnan(place.xs[id]))
                drawMarker(place.at(id), symbol);
        });
        return;
    }
    PixelMarkers markers(m_image, symbol);
    if (diameter == 1) {
        forEachFeature(layer, features, [&](std::uint32_t id) { markers.dot(place.at(id)); });
        return;
    }
    const MarkerStamp stamp(diameter, symbol.style);
    forEachFeature(layer, features, [&](std::uint32_t id) { markers.stampAt(stamp, place.at(id)); });
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
