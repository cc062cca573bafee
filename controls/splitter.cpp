#include "controls/splitter.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kThicknessTwips = 50;
constexpr double kLengthTwips = 2500;
constexpr double kConfinementMarginTwips = 250;

const QColor kEdgeLight(255, 255, 255);
const QColor kEdgeShadow(180, 180, 190);

// Whole pixels from a length in twips; halves go to the even number.
int ToPixels(double twips, int dpi)
{
    return static_cast<int>(std::nearbyint(twips * dpi / 1440.0));
}

QRect ScreenRect(const QWidget *widget)
{
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

void SetScreenRect(QWidget *widget, const QRect &rect)
{
    const QWidget *parent = widget->parentWidget();
    const QPoint topLeft = parent ? parent->mapFromGlobal(rect.topLeft()) : rect.topLeft();
    widget->setGeometry(QRect(topLeft, QSize(std::max(0, rect.width()), std::max(0, rect.height()))));
}

// An outline through the pixel corners (x1, y1) and (x2, y2).
void DrawBox(QPainter &painter, const QColor &color, int x1, int y1, int x2, int y2)
{
    painter.setPen(QPen(color, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(x1, y1, x2 - x1, y2 - y1);
}

} // namespace

splitter::splitter(QWidget *parent) : QWidget(parent)
{
    setSplitterDirection(Vertical);
}

int splitter::twipsToPixelsX(double twips) const
{
    return ToPixels(twips, logicalDpiX());
}

int splitter::twipsToPixelsY(double twips) const
{
    return ToPixels(twips, logicalDpiY());
}

void splitter::setSplitterDirection(int direction)
{
    m_direction = direction;
    holdThickness();
    if (isVertical())
        resize(twipsToPixelsX(kThicknessTwips), twipsToPixelsY(kLengthTwips));
    else
        resize(twipsToPixelsX(kLengthTwips), twipsToPixelsY(kThicknessTwips));
    updatePointer();
    update();
}

// Whatever size the host gives the bar, its thickness stays 50 twips.
void splitter::holdThickness()
{
    if (isVertical()) {
        const int thickness = twipsToPixelsX(kThicknessTwips);
        setMinimumSize(thickness, 0);
        setMaximumSize(thickness, QWIDGETSIZE_MAX);
    } else {
        const int thickness = twipsToPixelsY(kThicknessTwips);
        setMinimumSize(0, thickness);
        setMaximumSize(QWIDGETSIZE_MAX, thickness);
    }
}

QColor splitter::BackColor() const
{
    return m_backColor.isValid() ? m_backColor : palette().color(backgroundRole());
}

void splitter::setBackColor(const QColor &color)
{
    m_backColor = color;
    update();
}

void splitter::setDecoration(int decoration)
{
    m_decoration = decoration;
    update();
}

void splitter::setSplitterActivateColor(const QColor &color)
{
    m_activateColor = color;
    update();
}

void splitter::setCustomMousePointer(const QPixmap &pointer)
{
    m_customPointer = pointer;
    updatePointer();
}

void splitter::updatePointer()
{
    if (!m_customPointer.isNull())
        setCursor(QCursor(m_customPointer));
    else
        setCursor(isVertical() ? Qt::SizeHorCursor : Qt::SizeVerCursor);
}

void splitter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), BackColor());
    // Corners in twips of the bar, W by H, converted to pixels.
    const double tppX = 1440.0 / logicalDpiX();
    const double tppY = 1440.0 / logicalDpiY();
    const double w = width() * tppX;
    const double h = height() * tppY;
    const auto px = [&](double twips) { return twipsToPixelsX(twips); };
    const auto py = [&](double twips) { return twipsToPixelsY(twips); };
    if (m_decoration == 0) {
        // A light edge on the left and top, a shadow on the right and bottom.
        DrawBox(painter, kEdgeLight, 0, 0, px(w), py(h));
        DrawBox(painter, kEdgeShadow, px(-50), py(-50), px(w - 20), py(h - 20));
    }
    if (m_highlighted)
        DrawBox(painter, m_activateColor, 0, 0, px(w - 20), py(h - 20));
}

void splitter::mousePressEvent(QMouseEvent *event)
{
    // Without both controls there is nothing to share, and no drag.
    if (!m_first || !m_second)
        return;
    m_dragging = true;
    const QRect area = ScreenRect(m_first).united(ScreenRect(m_second));
    if (isVertical()) {
        const int margin = twipsToPixelsX(kConfinementMarginTwips);
        m_confinement = area.adjusted(margin, 0, -margin, 0);
    } else {
        const int margin = twipsToPixelsY(kConfinementMarginTwips);
        m_confinement = area.adjusted(0, margin, 0, -margin);
    }
    m_startPointer = event->globalPosition().toPoint();
    m_startBar = pos();
    m_highlighted = true;
    update();
    emit BeforeScroll();
}

void splitter::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    if (!parentWidget()) {
        emit Error(tr("A container object has not been assigned (set)for property [SplitterContainerControl]"));
        return;
    }
    // The pointer is held inside the confinement: the bar follows it only there.
    const QPoint pointer = event->globalPosition().toPoint();
    const QPoint confined(std::clamp(pointer.x(), m_confinement.left(), std::max(m_confinement.left(), m_confinement.right())),
                          std::clamp(pointer.y(), m_confinement.top(), std::max(m_confinement.top(), m_confinement.bottom())));
    int moved;
    if (isVertical()) {
        moved = confined.x() - m_startPointer.x();
        move(m_startBar.x() + moved, y());
    } else {
        moved = confined.y() - m_startPointer.y();
        move(x(), m_startBar.y() + moved);
    }
    if (moved != 0)
        emit Scrolling(moved > 0 ? 1 : 0);
}

void splitter::mouseReleaseEvent(QMouseEvent *)
{
    m_highlighted = false;
    update();
    layOutControls();
    if (m_dragging) {
        m_dragging = false;
        emit AfterScroll();
    }
}

void splitter::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        layOutControls();
}

// The first control ends where the bar begins; the second begins at the bar's
// far side and keeps its own far edge.
void splitter::layOutControls()
{
    const QRect bar = ScreenRect(this);
    if (m_first) {
        QRect first = ScreenRect(m_first);
        if (isVertical())
            first.setWidth(bar.left() - first.left());
        else
            first.setHeight(bar.top() - first.top());
        SetScreenRect(m_first, first);
    }
    if (m_second) {
        QRect second = ScreenRect(m_second);
        if (isVertical())
            second.setLeft(bar.left() + bar.width());
        else
            second.setTop(bar.top() + bar.height());
        SetScreenRect(m_second, second);
        m_second->update();
    }
}
