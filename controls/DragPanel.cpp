#include "controls/DragPanel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

DragPanel::DragPanel(Qt::Orientation resizes, QWidget *parent) : QWidget(parent)
{
    setCursor(resizes == Qt::Horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor);
    setAttribute(Qt::WA_Hover);
}

void DragPanel::mousePressEvent(QMouseEvent *) { emit pressed(); }

void DragPanel::mouseMoveEvent(QMouseEvent *event) { emit moved(event->position().toPoint()); }

void DragPanel::mouseReleaseEvent(QMouseEvent *) { emit released(); }

void DragPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(palette().color(QPalette::Mid));
    if (width() < height()) {
        p.drawLine(width() / 2 - 1, height() / 2 - 12, width() / 2 - 1, height() / 2 + 12);
        p.drawLine(width() / 2 + 1, height() / 2 - 12, width() / 2 + 1, height() / 2 + 12);
    } else {
        p.drawLine(width() / 2 - 12, height() / 2 - 1, width() / 2 + 12, height() / 2 - 1);
        p.drawLine(width() / 2 - 12, height() / 2 + 1, width() / 2 + 12, height() / 2 + 1);
    }
}
