// The fruit plates: pods, winged fruits, capsules, cones and fruit clusters,
// with a scale bar in centimetres.
#include "tools/plates/Plate.h"

#include <QJsonObject>
#include <QLineF>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979;

QPointF Polar(QPointF from, double angle, double length)
{
    return from + QPointF(std::cos(angle) * length, -std::sin(angle) * length);
}

void Stalk(QPainter &p, QPointF from, QPointF to, double width = 1.6)
{
    p.setPen(QPen(QColor(105, 90, 60), width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
}

// A flat legume pod hanging from `top`, `length` long, bulging over its seeds.
void Pod(PlateCanvas &c, QPointF top, double angle, double length, double width, double curve, int seeds,
         const QColor &color, bool split)
{
    QPainter &p = c.p;
    p.save();
    p.translate(top);
    p.rotate(-angle * 180 / Pi);
    QPainterPath upper, lower;
    const double bend = curve * length * 0.25;
    upper.moveTo(0, 0);
    lower.moveTo(0, 0);
    const int steps = 40;
    QList<QPointF> top_, bottom_;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double x = t * length;
        const double mid = -bend * 4 * t * (1 - t);
        double half = width / 2 * std::min(1.0, std::min(t, 1 - t) * 8);
        if (seeds > 0)
            half *= 0.85 + 0.15 * std::abs(std::sin(Pi * t * seeds));
        top_ << QPointF(x, mid - half);
        bottom_ << QPointF(x, mid + half);
    }
    QPainterPath pod;
    pod.moveTo(top_.first());
    for (const QPointF &pt : top_)
        pod.lineTo(pt);
    for (auto it = bottom_.crbegin(); it != bottom_.crend(); ++it)
        pod.lineTo(*it);
    pod.closeSubpath();
    p.setPen(QPen(color.darker(150), 1.0));
    p.setBrush(color);
    if (split) {
        // Two valves opened apart, the seeds showing between them.
        p.save();
        p.translate(0, -width * 0.45);
        p.rotate(-6);
        p.drawPath(pod);
        p.restore();
        p.save();
        p.translate(0, width * 0.45);
        p.rotate(6);
        p.drawPath(pod);
        p.restore();
        p.setBrush(QColor(60, 40, 30));
        for (int s = 0; s < seeds; ++s)
            p.drawEllipse(QPointF(length * (s + 0.5) / seeds, -bend * 4 * ((s + 0.5) / seeds) * (1 - (s + 0.5) / seeds)),
                          width * 0.22, width * 0.17);
    } else {
        p.drawPath(pod);
        p.setPen(QPen(color.darker(125), 0.6));
        for (int s = 0; s < seeds; ++s) {
            const double t = (s + 0.5) / seeds;
            p.setBrush(color.darker(108));
            p.drawEllipse(QPointF(t * length, -bend * 4 * t * (1 - t)), width * 0.22, width * 0.25);
        }
    }
    p.restore();
}

// A round or long fruit with a surface texture.
void Fruit(PlateCanvas &c, QPointF centre, double rx, double ry, const QColor &color, const QString &texture)
{
    QPainter &p = c.p;
    QRadialGradient shade(centre - QPointF(rx * 0.35, ry * 0.35), std::max(rx, ry) * 1.3);
    shade.setColorAt(0, color.lighter(135));
    shade.setColorAt(1, color.darker(115));
    p.setPen(QPen(color.darker(160), 0.9));
    p.setBrush(shade);
    p.drawEllipse(centre, rx, ry);
    if (texture == "hairy" || texture == "spiny") {
        const int count = texture == "hairy" ? 70 : 90;
        p.setPen(QPen(texture == "hairy" ? color.darker(110) : color.darker(160), texture == "hairy" ? 0.9 : 0.8));
        for (int i = 0; i < count; ++i) {
            const double a = c.uniform(0, 2 * Pi);
            const QPointF edge(centre.x() + std::cos(a) * rx, centre.y() + std::sin(a) * ry);
            const double len = std::max(rx, ry) * (texture == "hairy" ? 0.35 : 0.14);
            if (texture == "hairy") {
                p.drawLine(edge, edge + QPointF(std::cos(a + 0.4) * len, std::sin(a + 0.4) * len));
            } else {
                const QPointF inner(centre.x() + std::cos(a) * rx * c.uniform(0.1, 0.9),
                                    centre.y() + std::sin(a) * ry * c.uniform(0.1, 0.9));
                QPolygonF spike({inner + QPointF(-len * 0.4, 0), inner + QPointF(len * 0.4, 0), inner + QPointF(0, -len)});
                p.setBrush(color.darker(120));
                p.drawPolygon(spike);
                p.drawLine(edge, edge + QPointF(std::cos(a) * len, std::sin(a) * len));
            }
        }
    } else if (texture == "warty") {
        p.setPen(QPen(color.darker(140), 0.5));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 120; ++i) {
            const double a = c.uniform(0, 2 * Pi);
            const double r = std::sqrt(c.uniform(0, 1)) * 0.92;
            p.drawEllipse(QPointF(centre.x() + std::cos(a) * r * rx, centre.y() + std::sin(a) * r * ry), 1.8, 1.8);
        }
    } else if (texture == "scales") {
        p.setPen(QPen(color.darker(160), 0.7));
        for (double y = -ry * 0.85; y < ry * 0.9; y += ry / 5) {
            const double half = rx * std::sqrt(std::max(0.0, 1 - (y * y) / (ry * ry)));
            for (double x = -half + 4; x < half; x += rx / 3)
                p.drawArc(QRectF(centre.x() + x - rx / 6, centre.y() + y - ry / 10, rx / 3, ry / 5), 180 * 16, 180 * 16);
        }
    }
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.5));
    p.drawArc(QRectF(centre.x() - rx * 0.7, centre.y() - ry * 0.7, rx * 0.8, ry * 0.8), 100 * 16, 70 * 16);
}

void Wing(QPainter &p, QPointF base, double angle, double length, double width, const QColor &color)
{
    QPainterPath wing;
    const QPointF tip = Polar(base, angle, length);
    const QPointF side = Polar(QPointF(0, 0), angle + Pi / 2, width / 2);
    wing.moveTo(base);
    wing.cubicTo(base + side * 1.2 + (tip - base) * 0.3, tip + side * 0.9 - (tip - base) * 0.1, tip);
    wing.cubicTo(tip - side * 0.9 - (tip - base) * 0.1, base - side * 1.0 + (tip - base) * 0.3, base);
    p.setPen(QPen(color.darker(150), 0.9));
    p.setBrush(color);
    p.drawPath(wing);
    p.setPen(QPen(color.darker(130), 0.6));
    for (double off : {-0.25, 0.0, 0.25})
        p.drawLine(base, tip + side * off);
}

void Leaves(PlateCanvas &c, QPointF at, const QJsonObject &d)
{
    if (!d.value("leaves").toBool(true))
        return;
    const QColor leaf = PlateColor(d.value("leafColor"), QColor(95, 145, 75));
    const double length = c.area.height() * 0.34;
    for (const double angle : {0.06, -0.08, 0.94})
        DrawLeafBlade(c.p, at, Polar(at, Pi * angle, length * c.uniform(0.8, 1.0)), 0.36,
                      d.value("leafShape").toString("elliptic"), leaf, 6);
}

} // namespace

void DrawFruit(PlateCanvas &c, const QJsonObject &d)
{
    QPainter &p = c.p;
    const QRectF &a = c.area;
    const QString type = d.value("fruit").toString("cluster");
    const double lengthCm = d.value("length").toDouble(10);
    const double widthCm = d.value("width").toDouble(lengthCm * 0.3);
    const QColor color = PlateColor(d.value("color"), QColor(120, 90, 50));
    const int count = d.value("count").toInt(1);
    const double span = d.value("span").toDouble(std::max(lengthCm * 1.6, 8.0));
    const double pxPerCm = std::min(a.width(), a.height() * 1.5) / span;
    const QPointF branchStart(a.left() + 20, a.top() + 22);
    const QPointF branchEnd(a.right() - 40, a.top() + 12);

    if (type == "pod") {
        Stalk(p, branchStart, branchEnd, 3);
        for (int i = 0; i < count; ++i) {
            const QPointF top = branchStart + (branchEnd - branchStart) * ((i + 0.7) / (count + 0.4));
            const double angle = -Pi / 2 + c.uniform(-0.25, 0.25) + (d.value("spread").toBool() ? (i - count / 2.0) * 0.25 : 0);
            const QPointF podTop = Polar(top, angle, pxPerCm * 1.5);
            Stalk(p, top, podTop, 1.4);
            if (d.value("coiled").toBool()) {
                // A pod twisted into coils: a ribbon wound around a spiral.
                QPainterPath coil;
                coil.moveTo(podTop);
                const double r = widthCm * pxPerCm * 1.4;
                for (double t = 0; t < 2.6 * 2 * Pi; t += 0.15)
                    coil.lineTo(podTop + QPointF(std::sin(t) * r * (1 + t * 0.05), t * r * 0.22 + (1 - std::cos(t)) * r * 0.35));
                p.setPen(QPen(color.darker(140), widthCm * pxPerCm * 0.55, Qt::SolidLine, Qt::RoundCap));
                p.setBrush(Qt::NoBrush);
                p.drawPath(coil);
                p.setPen(QPen(color, widthCm * pxPerCm * 0.4, Qt::SolidLine, Qt::RoundCap));
                p.drawPath(coil);
            } else if (d.value("twisted").toBool()) {
                QPainterPath twist;
                twist.moveTo(podTop);
                const double len = lengthCm * pxPerCm * c.uniform(0.85, 1.0);
                for (double t = 0; t <= 1.0; t += 0.01)
                    twist.lineTo(Polar(podTop, angle, len * t) + QPointF(std::sin(t * 5 * Pi) * widthCm * pxPerCm * 0.4, 0));
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(color.darker(140), widthCm * pxPerCm, Qt::SolidLine, Qt::RoundCap));
                p.drawPath(twist);
                p.setPen(QPen(color, widthCm * pxPerCm * 0.75, Qt::SolidLine, Qt::RoundCap));
                p.drawPath(twist);
                p.setPen(QPen(color.darker(115), 1));
                for (double t = 0.05; t < 1.0; t += 0.07)
                    p.drawEllipse(twist.pointAtPercent(t), widthCm * pxPerCm * 0.25, widthCm * pxPerCm * 0.25);
            } else {
                Pod(c, podTop, angle, lengthCm * pxPerCm * c.uniform(0.85, 1.0), widthCm * pxPerCm,
                    d.value("curve").toDouble(0.2), d.value("seeds").toInt(8), color, d.value("split").toBool());
            }
        }
        if (d.value("seedColor").isString()) {
            // Loose seeds beside the pods (with their aril where there is one).
            const QColor seed = PlateColor(d.value("seedColor"), QColor(60, 40, 30));
            const QColor aril = PlateColor(d.value("arilColor"), QColor());
            for (int s = 0; s < 3; ++s) {
                const QPointF at(a.right() - 60 + s * 18, a.bottom() - 30);
                if (aril.isValid()) {
                    p.setBrush(aril);
                    p.setPen(QPen(aril.darker(140), 0.8));
                    p.drawEllipse(QRectF(at.x() - 6, at.y() - 14, 12, 9));
                }
                p.setBrush(seed);
                p.setPen(QPen(seed.darker(140), 0.8));
                p.drawEllipse(at, 7, 9);
            }
        }
    } else if (type == "disc") {
        // Round pods with a papery wing around the seed.
        Stalk(p, branchStart, branchEnd, 3);
        for (int i = 0; i < count; ++i) {
            const QPointF top = branchStart + (branchEnd - branchStart) * ((i + 0.6) / count);
            const QPointF centre = top + QPointF(c.uniform(-10, 10), lengthCm * pxPerCm * c.uniform(0.7, 1.3));
            Stalk(p, top, centre - QPointF(0, lengthCm * pxPerCm / 2), 1.0);
            p.setPen(QPen(color.darker(150), 1));
            p.setBrush(color);
            p.drawEllipse(centre, lengthCm * pxPerCm / 2, lengthCm * pxPerCm / 2 * 0.95);
            p.setPen(QPen(color.darker(125), 0.5));
            for (int k = 0; k < 24; ++k)
                p.drawLine(Polar(centre, k * Pi / 12, lengthCm * pxPerCm * 0.18), Polar(centre, k * Pi / 12, lengthCm * pxPerCm * 0.46));
            Fruit(c, centre, lengthCm * pxPerCm * 0.17, lengthCm * pxPerCm * 0.14, color.darker(130), "warty");
        }
    } else if (type == "winged") {
        // Nuts with two long wings and three short ones.
        const QColor wing = PlateColor(d.value("wingColor"), QColor(190, 120, 80));
        for (int i = 0; i < count; ++i) {
            const QPointF nut(a.left() + a.width() * (i + 0.5) / count, a.bottom() - 40);
            const double tilt = c.uniform(-0.2, 0.2);
            Wing(p, nut, Pi / 2 + 0.12 + tilt, lengthCm * pxPerCm, widthCm * pxPerCm, wing);
            Wing(p, nut, Pi / 2 - 0.12 + tilt, lengthCm * pxPerCm * 0.95, widthCm * pxPerCm, wing);
            for (double s : {-0.9, 0.0, 0.9})
                Wing(p, nut, Pi / 2 + s + tilt, lengthCm * pxPerCm * 0.12, widthCm * pxPerCm * 0.5, wing.darker(110));
            Fruit(c, nut, lengthCm * pxPerCm * 0.1, lengthCm * pxPerCm * 0.11, color, "smooth");
        }
    } else if (type == "capsule") {
        // An upright woody capsule, and its winged seeds beside it.
        const QPointF centre(a.left() + a.width() * 0.3, a.center().y() + 10);
        Stalk(p, centre + QPointF(0, lengthCm * pxPerCm * 0.5), QPointF(centre.x(), a.bottom()), 2.5);
        Fruit(c, centre, widthCm * pxPerCm / 2, lengthCm * pxPerCm / 2, color, "smooth");
        p.setPen(QPen(color.darker(150), 1));
        for (int k = -2; k <= 2; ++k)
            p.drawLine(centre + QPointF(k * widthCm * pxPerCm * 0.15, -lengthCm * pxPerCm * 0.48),
                       centre + QPointF(k * widthCm * pxPerCm * 0.2, lengthCm * pxPerCm * 0.45));
        for (int s = 0; s < 3; ++s) {
            const QPointF seed(a.left() + a.width() * (0.6 + s * 0.13), a.bottom() - 30 - s * 20);
            Wing(p, seed, Pi / 2 + c.uniform(-0.3, 0.3), lengthCm * pxPerCm * 0.7, widthCm * pxPerCm * 0.45,
                 QColor(200, 170, 120));
            Fruit(c, seed, 5, 6, QColor(120, 80, 50), "smooth");
        }
    } else if (type == "cone") {
        Stalk(p, branchStart, branchEnd, 4);
        for (int i = 0; i < count; ++i) {
            const QPointF top = branchStart + (branchEnd - branchStart) * ((i + 0.6) / count);
            const QPointF centre = top + QPointF(0, lengthCm * pxPerCm * 0.65);
            Stalk(p, top, centre, 2);
            Fruit(c, centre, widthCm * pxPerCm / 2, lengthCm * pxPerCm / 2, color, "scales");
        }
    } else if (type == "hanging") {
        // Long narrow fruits hanging from a branch: propagules, drumsticks.
        Stalk(p, branchStart, branchEnd, 3);
        for (int i = 0; i < count; ++i) {
            const QPointF top = branchStart + (branchEnd - branchStart) * ((i + 0.5) / count);
            const double len = lengthCm * pxPerCm * c.uniform(0.75, 1.0);
            const double sway = c.uniform(-12, 12);
            QPainterPath fruit;
            fruit.moveTo(top);
            fruit.quadTo(top + QPointF(sway * 0.2, len * 0.5), top + QPointF(sway, len));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(color.darker(140), widthCm * pxPerCm + 1.5, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(fruit);
            p.setPen(QPen(color, widthCm * pxPerCm, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(fruit);
            if (d.value("ribbed").toBool()) {
                p.setPen(QPen(color.darker(130), 0.6));
                p.drawPath(fruit.translated(widthCm * pxPerCm * 0.2, 0));
            }
            if (d.value("capColor").isString())
                Fruit(c, top + QPointF(0, 8), widthCm * pxPerCm * 1.1, 9, PlateColor(d.value("capColor"), color), "smooth");
        }
    } else if (type == "large") {
        // One big fruit on a short stalk from the trunk.
        const QRectF trunk(a.left() + 10, a.top(), 46, a.height());
        p.setPen(QPen(QColor(70, 55, 40), 1));
        p.setBrush(QColor(125, 98, 70));
        p.drawRect(trunk);
        const QPointF centre(trunk.right() + widthCm * pxPerCm * 0.55 + 20, a.center().y() + 6);
        Stalk(p, QPointF(trunk.right(), centre.y() - lengthCm * pxPerCm * 0.3), centre - QPointF(widthCm * pxPerCm * 0.45, lengthCm * pxPerCm * 0.3), 3);
        Fruit(c, centre, widthCm * pxPerCm / 2, lengthCm * pxPerCm / 2, color, d.value("texture").toString("warty"));
        if (d.value("section").toBool()) {
            // The opened fruit beside it: pale flesh in segments around the seeds.
            const QPointF cut(centre.x() + widthCm * pxPerCm + 20, centre.y() + 10);
            const QColor flesh = PlateColor(d.value("fleshColor"), QColor(240, 200, 90));
            p.setPen(QPen(color.darker(150), 1));
            p.setBrush(color);
            p.drawEllipse(cut, widthCm * pxPerCm * 0.45, lengthCm * pxPerCm * 0.32);
            p.setBrush(QColor(245, 240, 210));
            p.drawEllipse(cut, widthCm * pxPerCm * 0.38, lengthCm * pxPerCm * 0.27);
            for (int k = 0; k < 8; ++k) {
                p.setBrush(flesh);
                const QPointF pos = cut + QPointF(c.uniform(-0.25, 0.25) * widthCm * pxPerCm, c.uniform(-0.2, 0.2) * lengthCm * pxPerCm);
                p.drawEllipse(pos, widthCm * pxPerCm * 0.09, widthCm * pxPerCm * 0.12);
            }
        }
    } else if (type == "cashew") {
        Stalk(p, branchStart, branchEnd, 3);
        for (int i = 0; i < count; ++i) {
            const QPointF top = branchStart + (branchEnd - branchStart) * ((i + 0.6) / count);
            const double len = lengthCm * pxPerCm;
            const QPointF centre = top + QPointF(0, len * 0.55 + 10);
            Stalk(p, top, top + QPointF(0, 10), 1.5);
            QPainterPath apple;
            apple.moveTo(centre + QPointF(-len * 0.22, -len * 0.5));
            apple.cubicTo(centre + QPointF(-len * 0.3, 0), centre + QPointF(-len * 0.35, len * 0.45), centre + QPointF(0, len * 0.5));
            apple.cubicTo(centre + QPointF(len * 0.35, len * 0.45), centre + QPointF(len * 0.3, 0), centre + QPointF(len * 0.22, -len * 0.5));
            apple.closeSubpath();
            p.setPen(QPen(color.darker(150), 1));
            p.setBrush(color);
            p.drawPath(apple);
            // The nut hangs below the apple.
            QPainterPath nut;
            const QPointF n = centre + QPointF(0, len * 0.62);
            nut.addEllipse(n, len * 0.16, len * 0.12);
            p.setBrush(QColor(150, 140, 100));
            p.setPen(QPen(QColor(90, 80, 60), 1));
            p.drawPath(nut);
        }
    } else {
        // A cluster of round fruits on a leafy twig.
        const int fruits = std::max(1, count);
        const QPointF node(a.center().x() - 20, a.top() + 30);
        Stalk(p, branchStart, node + QPointF(60, -10), 3);
        Leaves(c, node + QPointF(40, -8), d);
        const double rx = widthCm * pxPerCm / 2, ry = lengthCm * pxPerCm / 2;
        for (int i = 0; i < fruits; ++i) {
            const double row = i / 4;
            const QPointF centre = node + QPointF((i % 4 - 1.5) * rx * 2.1 + c.uniform(-4, 4) + row * rx * 0.8,
                                                  ry * 2.2 + row * ry * 1.9 + c.uniform(-4, 4));
            Stalk(p, node, centre - QPointF(0, ry), 1.0);
            Fruit(c, centre, rx, ry, color, d.value("texture").toString("smooth"));
            if (d.value("calyxColor").isString()) {
                const QColor calyx = PlateColor(d.value("calyxColor"), QColor(80, 120, 60));
                p.setPen(QPen(calyx.darker(140), 0.8));
                p.setBrush(calyx);
                for (int k = 0; k < 4; ++k)
                    p.drawEllipse(centre + QPointF((k - 1.5) * rx * 0.35, -ry * 0.95), rx * 0.22, ry * 0.14);
            }
        }
    }
    const double bar = span > 60 ? 10 : span > 12 ? 5 : 1;
    DrawScaleBar(p, QPointF(a.right() - bar * pxPerCm - 10, a.bottom() - 14), bar * pxPerCm,
                 QStringLiteral("%1 cm").arg(bar));
}
