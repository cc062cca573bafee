#include "mapping/windows/MapControl.h"

#include "mapping/MapError.h"
#include "mapping/MapExport.h"
#include "mapping/MapRenderer.h"

#include <QEventLoop>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>

namespace {

// A magnifier with a plus, a minus or nothing, or an "i" for identify.
QCursor drawnCursor(int code)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::black, 2);
    if (code == PointerIdentify) {
        p.setPen(QPen(Qt::white, 4));
        p.drawEllipse(QRectF(4, 4, 22, 22));
        p.setPen(pen);
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(4, 4, 22, 22));
        p.setFont(QFont(QStringLiteral("Serif"), 14, QFont::Bold));
        p.drawText(QRectF(4, 4, 22, 22), Qt::AlignCenter, QStringLiteral("i"));
        return QCursor(pixmap, 15, 15);
    }
    p.setPen(QPen(Qt::white, 4));
    p.drawEllipse(QRectF(3, 3, 18, 18));
    p.drawLine(QPointF(18, 18), QPointF(29, 29));
    p.setPen(pen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(3, 3, 18, 18));
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(QPointF(18, 18), QPointF(29, 29));
    p.setPen(pen);
    p.drawLine(QPointF(8, 12), QPointF(16, 12));
    if (code == PointerZoomIn)
        p.drawLine(QPointF(12, 8), QPointF(12, 16));
    return QCursor(pixmap, 12, 12);
}

struct ActivePainterScope {
    MapPainter *&slot;
    ActivePainterScope(MapPainter *&s, MapPainter &painter) : slot(s) { slot = &painter; }
    ~ActivePainterScope() { slot = nullptr; }
};

} // namespace

MapControl::MapControl(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

MapControl::~MapControl()
{
    if (m_panLoop)
        m_panLoop->quit();
}

MapExtent MapControl::extent() const
{
    const MapExtent shown = m_extent.isValid() ? m_extent : fullExtent();
    const QSize size = drawingSize();
    if (!shown.isValid() || size.isEmpty())
        return shown;
    return MapViewport(shown, size).extent();
}

void MapControl::setExtent(const MapExtent &extent)
{
    m_extent = extent;
    refresh();
}

void MapControl::refresh()
{
    m_dirty = true;
    update();
}

QSize MapControl::drawingSize() const
{
    return size().isEmpty() ? QSize(1, 1) : size();
}

void MapControl::setBackColor(const QColor &color)
{
    m_backColor = color;
    refresh();
}

QImage MapControl::render(QSize size, double symbolScale)
{
    const MapExtent shown = m_extent.isValid() ? m_extent : fullExtent();
    const MapViewport viewport(shown, size, symbolScale);
    return MapRenderer::render(m_layers, viewport, m_backColor, [this](int index, MapPainter &painter) {
        const ActivePainterScope scope(m_activePainter, painter);
        try {
            emit layerDrawn(index);
        } catch (const std::exception &) {
            // A failing handler draws nothing more for this layer; the
            // remaining layers and handlers still draw.
        }
    });
}

void MapControl::paintEvent(QPaintEvent *)
{
    if (m_dirty || m_image.size() != size()) {
        m_dirty = false;
        m_image = render(drawingSize());
    }
    QPainter painter(this);
    if (!m_panOffset.isNull())
        painter.fillRect(rect(), m_backColor);
    painter.drawImage(m_panOffset, m_image);
}

MapPainter &MapControl::activePainter()
{
    if (!m_activePainter)
        throw MapError(tr("The map can only be drawn on while it is being drawn"));
    return *m_activePainter;
}

void MapControl::drawShape(const MapRecordSet &records, const MapSymbol &symbol)
{
    activePainter().drawRecordSet(records, symbol);
}

void MapControl::drawShape(const MapShape &shape, const MapSymbol &symbol)
{
    activePainter().drawShape(shape, symbol);
}

void MapControl::drawText(const QString &text, const MapShape &shape, const TextSymbol &symbol)
{
    activePainter().drawText(text, shape, symbol);
}

void MapControl::setMousePointer(int code)
{
    m_pointer = code;
    switch (code) {
    case PointerZoomIn:
    case PointerZoomOut:
    case PointerIdentify:
        setCursor(drawnCursor(code));
        break;
    case PointerPan:
        setCursor(Qt::OpenHandCursor);
        break;
    case PointerPanning:
        setCursor(Qt::ClosedHandCursor);
        break;
    default:
        setCursor(Qt::ArrowCursor);
        break;
    }
}

MapPoint MapControl::toMapPoint(double x, double y) const
{
    const MapViewport viewport(m_extent.isValid() ? m_extent : fullExtent(), drawingSize());
    // The centre of the pixel under the pointer.
    return viewport.toMap(QPointF(x + 0.5, y + 0.5));
}

QPointF MapControl::toPixel(const MapPoint &point) const
{
    const MapViewport viewport(m_extent.isValid() ? m_extent : fullExtent(), drawingSize());
    return viewport.toPixel(point) - QPointF(0.5, 0.5);
}

double MapControl::toMapDistance(double twips) const
{
    const MapViewport viewport(m_extent.isValid() ? m_extent : fullExtent(), drawingSize());
    const double pixels = twips / 1440.0 * logicalDpiX();
    return pixels * viewport.unitsPerPixel();
}

void MapControl::exportMap(int format, const QString &path, double scaleFactor)
{
    if (format != ExportFormatBitmap)
        throw MapError(tr("Cannot save the map to %1: export format %2 is not supported").arg(path).arg(format));
    if (!(scaleFactor > 0) || scaleFactor > 16)
        throw MapError(tr("Cannot save the map to %1: scale factor %2 is out of range").arg(path).arg(scaleFactor));
    const QSize size(qMax(1, qRound(drawingSize().width() * scaleFactor)),
                     qMax(1, qRound(drawingSize().height() * scaleFactor)));
    WriteBitmapFile(render(size, scaleFactor), path);
}

void MapControl::mousePressEvent(QMouseEvent *event)
{
    m_buttonDown = true;
    m_pressPosition = event->position().toPoint();
    int shift = 0;
    if (event->modifiers() & Qt::ShiftModifier)
        shift |= 1;
    if (event->modifiers() & Qt::ControlModifier)
        shift |= 2;
    if (event->modifiers() & Qt::AltModifier)
        shift |= 4;
    emit mouseDown(int(event->button()), shift, event->position().x(), event->position().y());
}

void MapControl::mouseMoveEvent(QMouseEvent *event)
{
    if (m_panLoop) {
        m_panOffset = event->position().toPoint() - m_pressPosition;
        update();
    }
}

void MapControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_panLoop)
        m_panOffset = event->position().toPoint() - m_pressPosition;
    m_buttonDown = false;
    if (m_panLoop)
        m_panLoop->quit();
}

void MapControl::hideEvent(QHideEvent *)
{
    m_buttonDown = false;
    if (m_panLoop)
        m_panLoop->quit();
}

void MapControl::pan()
{
    if (!m_buttonDown || m_panLoop)
        return;
    QEventLoop loop;
    m_panLoop = &loop;
    m_panOffset = QPoint();
    const QPointer<MapControl> alive(this);
    loop.exec();
    if (!alive)
        return; // the map was closed during the drag
    m_panLoop = nullptr;
    const QPoint moved = m_panOffset;
    m_panOffset = QPoint();
    if (moved.isNull()) {
        update();
        return;
    }
    const MapViewport viewport(m_extent.isValid() ? m_extent : fullExtent(), drawingSize());
    const double u = viewport.unitsPerPixel();
    setExtent(viewport.extent().translated(-moved.x() * u, moved.y() * u));
}
