// The foliage plates: a leafy twig or a compound leaf, with flowers where the
// plate asks for them, and a scale bar in centimetres.
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

void Stem(QPainter &p, QPointF from, QPointF to, double width = 2.0)
{
    p.setPen(QPen(QColor(105, 90, 60), width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
}

// Flowers or flower heads at `at`, facing `angle`.
void Inflorescence(PlateCanvas &c, const QJsonObject &d, QPointF at, double angle, double pxPerCm)
{
    const QString type = d.value("type").toString();
    const QColor color = PlateColor(d.value("color"), QColor(250, 250, 240));
    QPainter &p = c.p;
    p.setPen(QPen(color.darker(160), 0.6));
    p.setBrush(color);
    if (type == "panicle") {
        const double length = d.value("length").toDouble(20) * pxPerCm;
        const QPointF end = Polar(at, angle, length);
        Stem(p, at, end, 1.2);
        for (double t = 0.1; t < 1.0; t += 0.09) {
            const QPointF node = at + (end - at) * t;
            for (int side : {-1, 1}) {
                const QPointF twig = Polar(node, angle + side * 0.9, length * 0.22 * (1.1 - t));
                Stem(p, node, twig, 0.7);
                p.setPen(QPen(color.darker(130), 0.5));
                p.setBrush(color);
                for (int k = 0; k < 4; ++k)
                    p.drawEllipse(node + (twig - node) * c.uniform(0.3, 1.0) + QPointF(c.uniform(-2, 2), c.uniform(-2, 2)),
                                  1.8, 1.8);
            }
        }
    } else if (type == "spike") {
        for (int s = 0; s < 3; ++s) {
            const double a = angle + (s - 1) * 0.35;
            const double length = d.value("length").toDouble(8) * pxPerCm;
            const QPointF end = Polar(at, a, length);
            Stem(p, at, Polar(at, a, length * 0.2), 0.8);
            p.setPen(QPen(color.darker(120), 0.4));
            for (double t = 0.2; t <= 1.0; t += 0.025)
                p.drawEllipse(at + (end - at) * t + QPointF(c.uniform(-2, 2), c.uniform(-2, 2)), 1.6, 1.6);
        }
    } else if (type == "head" || type == "puff") {
        const int heads = d.value("count").toInt(3);
        const double radius = d.value("size").toDouble(1.2) * pxPerCm;
        for (int h = 0; h < heads; ++h) {
            const double a = angle + (h - (heads - 1) / 2.0) * 0.5;
            const QPointF centre = Polar(at, a, radius * 2.6 + pxPerCm * 2);
            Stem(p, at, centre, 0.8);
            p.setPen(QPen(color.darker(type == "puff" ? 110 : 150), type == "puff" ? 0.9 : 0.7));
            const int rays = type == "puff" ? 40 : 60;
            for (int i = 0; i < rays; ++i) {
                const double r = type == "puff" ? c.uniform(0.6, 1.0) * radius * 1.6 : radius;
                const double ra = c.uniform(0, 2 * Pi);
                const QPointF tip = Polar(centre, ra, r);
                p.drawLine(centre, tip);
                p.setBrush(type == "puff" ? QColor(250, 230, 120) : color);
                p.drawEllipse(tip, 0.9, 0.9);
            }
            if (type == "head") {
                p.setBrush(color.darker(110));
                p.drawEllipse(centre, radius * 0.7, radius * 0.7);
            }
        }
    } else if (type == "raceme") {
        const double length = d.value("length").toDouble(12) * pxPerCm;
        const QPointF end = Polar(at, angle, length);
        Stem(p, at, end, 1.0);
        for (double t = 0.15; t <= 1.0; t += 0.085) {
            const QPointF node = at + (end - at) * t;
            for (int side : {-1, 1}) {
                const QPointF flower = Polar(node, angle + side * 1.2, pxPerCm * 0.9 * (1.2 - t * 0.5));
                p.setPen(QPen(color.darker(140), 0.6));
                p.setBrush(color);
                QPainterPath petal;
                petal.addEllipse(flower, pxPerCm * 0.45, pxPerCm * 0.32);
                p.drawPath(petal);
                p.setBrush(color.lighter(130));
                p.drawEllipse(flower, pxPerCm * 0.18, pxPerCm * 0.18);
            }
        }
    } else if (type == "large") {
        const double size = d.value("size").toDouble(4) * pxPerCm;
        for (int f = 0; f < d.value("count").toInt(2); ++f) {
            const QPointF centre = Polar(at, angle - 0.5 + f * 0.9, size * 1.4);
            Stem(p, at, centre, 1.0);
            p.setPen(QPen(color.darker(140), 0.8));
            for (int k = 0; k < 6; ++k) {
                const double a = k * Pi / 3 + f;
                QPainterPath petal;
                petal.addEllipse(QRectF(-size * 0.5, -size * 0.22, size, size * 0.44));
                p.save();
                p.translate(Polar(centre, a, size * 0.45));
                p.rotate(-a * 180 / Pi);
                p.setBrush(color);
                p.drawPath(petal);
                p.restore();
            }
            p.setBrush(QColor(240, 210, 80));
            p.drawEllipse(centre, size * 0.18, size * 0.18);
        }
    }
}

double Fit(const QRectF &area, double spanCm) { return std::min(area.width(), area.height() * 1.5) / spanCm; }

} // namespace

void DrawFoliage(PlateCanvas &c, const QJsonObject &d)
{
    const QRectF &a = c.area;
    const QString type = d.value("leaf").toString("simple");
    const QString shape = d.value("shape").toString("elliptic");
    const double lengthCm = d.value("length").toDouble(12);
    const double width = d.value("width").toDouble(0.45);
    const QColor color = PlateColor(d.value("color"), QColor(95, 145, 75));
    const double span = d.value("span").toDouble(lengthCm * 2.6);
    const double pxPerCm = Fit(a, span);
    QPainter &p = c.p;
    QPointF flowersAt;
    double flowersAngle = Pi / 4;

    if (type == "simple" || type == "phyllode") {
        const int count = d.value("count").toInt(5);
        // With flowers the twig ends lower, so they have room above it.
        const bool flowers = d.value("inflorescence").isObject();
        const QPointF start(a.left() + 30, a.bottom() - 20),
            end(a.right() - a.width() * (flowers ? 0.36 : 0.28), a.top() + a.height() * (flowers ? 0.45 : 0.15));
        Stem(p, start, end, 2.4);
        const double twigAngle = QLineF(start, end).angle() * Pi / 180;
        for (int i = 0; i < count; ++i) {
            const double t = 0.18 + 0.8 * i / std::max(1, count - 1);
            const QPointF node = start + (end - start) * t;
            const int side = i % 2 ? 1 : -1;
            const double angle = twigAngle + side * c.uniform(0.75, 1.0);
            const double length = lengthCm * pxPerCm * c.uniform(0.8, 1.0) * (0.75 + 0.25 * t);
            const QPointF petiole = Polar(node, angle, length * 0.08);
            Stem(p, node, petiole, 1.0);
            const QPointF tip = Polar(petiole, angle + (type == "phyllode" ? side * -0.25 : 0), length);
            DrawLeafBlade(p, petiole, tip, width, shape, color, type == "phyllode" ? -3 : 7);
        }
        flowersAt = end;
        flowersAngle = twigAngle + 0.35;
    } else if (type == "pinnate" || type == "bipinnate") {
        const int pairs = d.value("pairs").toInt(5);
        const QPointF start(a.left() + 20, a.center().y() + a.height() * 0.25);
        const QPointF end(a.left() + 20 + lengthCm * pxPerCm, a.center().y() - a.height() * 0.1);
        Stem(p, start, end, 1.6);
        const double rachisAngle = QLineF(start, end).angle() * Pi / 180;
        const double leaflet = d.value("leaflet").toDouble(lengthCm / (pairs + 1) * 1.3) * pxPerCm;
        for (int i = 0; i < pairs; ++i) {
            const QPointF node = start + (end - start) * (0.25 + 0.75 * i / std::max(1, pairs - (d.value("terminal").toBool() ? 0 : 1)));
            for (int side : {-1, 1}) {
                const double angle = rachisAngle + side * 1.05;
                if (type == "pinnate") {
                    DrawLeafBlade(p, node, Polar(node, angle, leaflet), width, shape, color, 5);
                } else {
                    const QPointF tip = Polar(node, angle, leaflet);
                    Stem(p, node, tip, 0.8);
                    const int small = d.value("leaflets").toInt(14);
                    for (int k = 1; k <= small; ++k) {
                        const QPointF at = node + (tip - node) * (double(k) / (small + 1));
                        for (int s2 : {-1, 1})
                            DrawLeafBlade(p, at, Polar(at, angle + s2 * 1.2, leaflet / small * 2.2), 0.45,
                                          "elliptic", color, 0);
                    }
                }
            }
        }
        if (d.value("terminal").toBool())
            DrawLeafBlade(p, end, Polar(end, rachisAngle, leaflet), width, shape, color, 5);
        flowersAt = start + QPointF(lengthCm * pxPerCm * 0.1, 0);
        flowersAngle = Pi * 0.35;
    } else if (type == "palmate" || type == "whorl") {
        const int leaflets = d.value("leaflets").toInt(5);
        const QPointF centre = type == "palmate" ? QPointF(a.center().x(), a.bottom() - lengthCm * pxPerCm * 0.45)
                                                 : a.center();
        if (type == "palmate")
            Stem(p, QPointF(a.center().x() - 40, a.bottom()), centre, 1.6);
        else
            Stem(p, QPointF(a.left() + 10, a.bottom() - 10), centre, 2.2);
        for (int i = 0; i < leaflets; ++i) {
            const double angle = type == "palmate" ? Pi * (0.1 + 0.8 * i / std::max(1, leaflets - 1))
                                                   : 2 * Pi * i / leaflets + 0.3;
            DrawLeafBlade(p, Polar(centre, angle, pxPerCm * 0.8), Polar(centre, angle, lengthCm * pxPerCm), width,
                          shape, color, 7);
        }
        flowersAt = centre;
        flowersAngle = Pi / 2;
    } else if (type == "needles") {
        const int perBundle = d.value("bundle").toInt(3);
        const QPointF start(a.left() + 20, a.bottom() - 30), end(a.right() - 40, a.top() + 60);
        Stem(p, start, end, 3);
        const double twigAngle = QLineF(start, end).angle() * Pi / 180;
        p.setPen(QPen(color, 1.0));
        for (double t = 0.05; t < 1.0; t += 0.045) {
            const QPointF node = start + (end - start) * t;
            for (int k = 0; k < perBundle; ++k) {
                const double angle = twigAngle + (k - (perBundle - 1) / 2.0) * 0.12 + (int(t * 100) % 2 ? 0.7 : -0.7);
                QPainterPath needle;
                needle.moveTo(node);
                needle.quadTo(Polar(node, angle, lengthCm * pxPerCm * 0.5),
                              Polar(node, angle - 0.1, lengthCm * pxPerCm * c.uniform(0.9, 1.0)));
                p.setBrush(Qt::NoBrush);
                p.drawPath(needle);
            }
        }
        flowersAt = start + (end - start) * 0.3;
    } else if (type == "casuarina") {
        const QPointF start(a.left() + 10, a.top() + 10), end(a.right() - 20, a.top() + 30);
        Stem(p, start, end, 3);
        p.setPen(QPen(color, 1.0));
        for (double t = 0.03; t < 1.0; t += 0.03) {
            const QPointF node = start + (end - start) * t;
            const double drop = a.height() * c.uniform(0.55, 0.85);
            QPainterPath branchlet;
            branchlet.moveTo(node);
            branchlet.quadTo(node + QPointF(c.uniform(10, 30), drop * 0.3), node + QPointF(c.uniform(-10, 25), drop));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(color, 1.0));
            p.drawPath(branchlet);
            p.setPen(QPen(color.darker(160), 0.6));
            for (double s = 0.1; s < 1.0; s += 0.1) {
                const QPointF j = branchlet.pointAtPercent(s);
                p.drawLine(j + QPointF(-1.5, 0), j + QPointF(1.5, 0));
            }
        }
        flowersAt = start + (end - start) * 0.5;
    }

    if (d.value("inflorescence").isObject())
        Inflorescence(c, d.value("inflorescence").toObject(), flowersAt, flowersAngle, pxPerCm);
    const double bar = span > 60 ? 10 : span > 15 ? 5 : 1;
    DrawScaleBar(p, QPointF(a.right() - bar * pxPerCm - 10, a.bottom() - 14), bar * pxPerCm,
                 QStringLiteral("%1 cm").arg(bar));
}
