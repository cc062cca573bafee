#include "photos/windows/PhotoPictures.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap panel(QSize size, const QColor &background)
{
    QPixmap pixmap(size);
    pixmap.fill(background);
    return pixmap;
}

} // namespace

QPixmap DesignPicture(QSize size)
{
    QPixmap pixmap = panel(size, QColor(236, 242, 228));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A single leaf with its midrib, over the name of the application.
    const QPointF c(size.width() / 2.0, size.height() * 0.42);
    const double r = std::min(size.width(), size.height()) * 0.22;
    QPainterPath leaf;
    leaf.moveTo(c.x(), c.y() - r);
    leaf.cubicTo(c.x() + r * 0.9, c.y() - r * 0.4, c.x() + r * 0.6, c.y() + r * 0.7, c.x(), c.y() + r);
    leaf.cubicTo(c.x() - r * 0.6, c.y() + r * 0.7, c.x() - r * 0.9, c.y() - r * 0.4, c.x(), c.y() - r);
    p.setPen(QPen(QColor(60, 110, 50), 2));
    p.setBrush(QColor(120, 170, 90));
    p.drawPath(leaf);
    p.drawLine(QPointF(c.x(), c.y() - r * 0.9), QPointF(c.x(), c.y() + r * 1.35));
    QFont font = p.font();
    font.setPointSizeF(14);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(60, 90, 50));
    p.drawText(QRectF(0, c.y() + r * 1.45, size.width(), r), Qt::AlignHCenter | Qt::AlignTop,
               QCoreApplication::translate("PhotoPictures", "Silvaria species pictures"));
    return pixmap;
}

QPixmap UnavailablePicture(QSize size, const QString &reason)
{
    QPixmap pixmap = panel(size, QColor(226, 226, 226));
    QPainter p(&pixmap);
    p.setPen(QPen(QColor(150, 150, 150), 2, Qt::DashLine));
    p.drawRect(QRectF(pixmap.rect()).adjusted(6, 6, -6, -6));
    p.setPen(QColor(70, 70, 70));
    p.drawText(QRectF(pixmap.rect()).adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap, reason);
    return pixmap;
}
