#include "controls/Icons.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap canvas(int size = 32)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    return pm;
}

// A stylised broadleaf tree: trunk and a round crown.
void drawTree(QPainter &p, QPointF base, double height, const QColor &crown)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 78, 48));
    p.drawRect(QRectF(base.x() - height * 0.06, base.y() - height * 0.45, height * 0.12, height * 0.45));
    p.setBrush(crown);
    p.drawEllipse(QPointF(base.x(), base.y() - height * 0.62), height * 0.32, height * 0.3);
    p.setBrush(crown.lighter(125));
    p.drawEllipse(QPointF(base.x() - height * 0.1, base.y() - height * 0.7), height * 0.14, height * 0.12);
}

QPixmap leafPixmap(const QColor &color)
{
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath leaf;
    leaf.moveTo(6, 26);
    leaf.cubicTo(4, 10, 16, 4, 28, 4);
    leaf.cubicTo(28, 16, 22, 28, 6, 26);
    p.setPen(QPen(color.darker(150), 1.5));
    p.setBrush(color);
    p.drawPath(leaf);
    p.drawLine(QPointF(6, 26), QPointF(24, 8));
    return pm;
}

QPixmap bookPixmap(bool open)
{
    QPixmap pm = canvas(16);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 90, 40), 1));
    if (open) {
        p.setBrush(QColor(250, 250, 235));
        p.drawPolygon(QPolygonF{{1, 4}, {8, 5}, {8, 14}, {1, 13}});
        p.drawPolygon(QPolygonF{{15, 4}, {8, 5}, {8, 14}, {15, 13}});
    } else {
        p.setBrush(QColor(70, 140, 70));
        p.drawRoundedRect(QRectF(3, 2, 10, 12), 1.5, 1.5);
        p.setPen(QColor(230, 240, 220));
        p.drawLine(QPointF(5, 5), QPointF(11, 5));
    }
    return pm;
}

} // namespace

QIcon TreeNodeIcon()
{
    QIcon icon(bookPixmap(false));
    icon.addPixmap(bookPixmap(true), QIcon::Selected);
    return icon;
}

QList<QIcon> OutlookBarIcons()
{
    QPixmap botanic = leafPixmap(QColor(70, 150, 60));
    QPixmap common = canvas();
    {
        QPainter p(&common);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(30, 80, 150), 2));
        p.setBrush(QColor(200, 225, 250));
        p.drawRoundedRect(QRectF(3, 5, 26, 17), 4, 4);
        p.drawLine(QPointF(10, 22), QPointF(7, 29));
        p.setFont(QFont(QStringLiteral("DejaVu Sans"), 8, QFont::Bold));
        p.drawText(QRectF(3, 5, 26, 17), Qt::AlignCenter, QStringLiteral("Aa"));
    }
    QPixmap uses = canvas();
    {
        QPainter p(&uses);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(120, 80, 30), 2));
        p.setBrush(QColor(205, 160, 100));
        p.drawEllipse(QRectF(4, 14, 24, 14));
        p.drawEllipse(QRectF(10, 17, 12, 8));
        p.setBrush(QColor(220, 60, 50));
        p.drawEllipse(QRectF(12, 3, 9, 9));
    }
    return {QIcon(botanic), QIcon(common), QIcon(uses)};
}

QPixmap SplashPicture()
{
    QPixmap pm(400, 267);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 267);
    sky.setColorAt(0, QColor(214, 236, 214));
    sky.setColorAt(1, QColor(120, 175, 110));
    p.fillRect(pm.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 130, 70));
    p.drawRect(0, 215, 400, 52);
    const QColor greens[] = {QColor(40, 110, 50), QColor(60, 140, 60), QColor(30, 95, 45)};
    for (int i = 0; i < 7; ++i)
        drawTree(p, QPointF(30 + i * 57, 222), 70 + (i * 37) % 45, greens[i % 3]);
    p.setPen(QColor(20, 60, 25));
    p.setFont(QFont(QStringLiteral("DejaVu Serif"), 30, QFont::Bold));
    p.drawText(QRect(0, 18, 400, 50), Qt::AlignCenter, QStringLiteral("Silvaria"));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    p.drawText(QRect(0, 62, 400, 24), Qt::AlignCenter, QCoreApplication::translate("Icons", "Agroforestry tree species of South-East Asia"));
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    p.setPen(Qt::white);
    p.drawText(QRect(0, 240, 390, 20), Qt::AlignRight | Qt::AlignVCenter, QCoreApplication::translate("Icons", "Version 2.0"));
    return pm;
}

QIcon ApplicationIcon() { return QIcon(leafPixmap(QColor(70, 150, 60))); }

QIcon ComparisonIcon()
{
    QPixmap pm = canvas(22);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor sea(150, 190, 230), land(110, 170, 90);
    for (int i = 0; i < 2; ++i) {
        const QRectF frame(1 + i * 11, 4, 9, 14);
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(sea);
        p.drawRect(frame);
        p.setPen(Qt::NoPen);
        p.setBrush(land);
        p.drawEllipse(QRectF(frame.x() + 1.5, frame.y() + 3, 5, 7));
        p.setBrush(QColor(128, 64, 64));
        p.drawEllipse(QPointF(frame.x() + 4 + i, frame.y() + 7), 1.3, 1.3);
    }
    return QIcon(pm);
}
