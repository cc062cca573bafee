// The habit plates: the whole tree beside a person for scale, with a scale bar.
#include "tools/plates/Plate.h"

#include <QJsonObject>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979;

struct Tree {
    QString crown;
    double height;     // metres
    double crownWidth; // metres
    double bole;       // fraction of the height clear of branches
    QColor foliage;
    QColor flowers;    // invalid: none
    QColor fruits;     // invalid: none
    bool buttress;
};

QColor Vary(PlateCanvas &c, const QColor &color, int spread)
{
    const int d = int(c.uniform(-spread, spread));
    return color.lighter(100 + d);
}

void Trunk(PlateCanvas &c, double x, double ground, double top, double width, bool buttress)
{
    QPainterPath path;
    const double flare = buttress ? width * 2.2 : width * 0.3;
    path.moveTo(x - width / 2 - flare, ground);
    path.cubicTo(x - width / 2, ground - width * 1.5, x - width / 2, ground - width * 2, x - width * 0.32, top);
    path.lineTo(x + width * 0.32, top);
    path.cubicTo(x + width / 2, ground - width * 2, x + width / 2, ground - width * 1.5, x + width / 2 + flare, ground);
    path.closeSubpath();
    c.p.setPen(QPen(QColor(70, 55, 40), 1));
    c.p.setBrush(QColor(125, 98, 70));
    c.p.drawPath(path);
}

// A crown of overlapping leaf masses filling an ellipse.
void Clumps(PlateCanvas &c, QRectF box, const QColor &color, int count, double size)
{
    c.p.setPen(QPen(color.darker(150), 0.8));
    for (int i = 0; i < count; ++i) {
        const double a = c.uniform(0, 2 * Pi);
        const double r = std::sqrt(c.uniform(0, 1)) * 0.78;
        const QPointF centre(box.center().x() + std::cos(a) * r * box.width() / 2,
                             box.center().y() + std::sin(a) * r * box.height() / 2);
        const double radius = size * c.uniform(0.75, 1.15);
        c.p.setBrush(Vary(c, color, 12));
        c.p.drawEllipse(centre, radius, radius * 0.85);
    }
}

void Dots(PlateCanvas &c, QRectF box, const QColor &color, int count, double radius)
{
    if (!color.isValid())
        return;
    c.p.setPen(QPen(color.darker(150), 0.6));
    c.p.setBrush(color);
    for (int i = 0; i < count; ++i) {
        const double a = c.uniform(0, 2 * Pi);
        const double r = std::sqrt(c.uniform(0, 1)) * 0.9;
        c.p.drawEllipse(QPointF(box.center().x() + std::cos(a) * r * box.width() / 2,
                                box.center().y() + std::sin(a) * r * box.height() / 2),
                        radius, radius);
    }
}

void Branch(PlateCanvas &c, QPointF from, double angle, double length, int depth, QList<QPointF> &tips)
{
    const QPointF to = from + QPointF(std::cos(angle) * length, -std::sin(angle) * length);
    c.p.setPen(QPen(QColor(95, 75, 55), std::max(0.7, depth * 0.9), Qt::SolidLine, Qt::RoundCap));
    c.p.drawLine(from, to);
    if (depth == 0) {
        tips << to;
        return;
    }
    const double spread = c.uniform(0.3, 0.55);
    Branch(c, to, angle + spread, length * c.uniform(0.66, 0.78), depth - 1, tips);
    Branch(c, to, angle - spread, length * c.uniform(0.66, 0.78), depth - 1, tips);
}

void Frond(PlateCanvas &c, QPointF from, double angle, double length, const QColor &color)
{
    const QPointF mid = from + QPointF(std::cos(angle) * length * 0.55, -std::sin(angle) * length * 0.55 - length * 0.1);
    const QPointF end = from + QPointF(std::cos(angle) * length, -std::sin(angle) * length * 0.4 + length * 0.35);
    QPainterPath rachis;
    rachis.moveTo(from);
    rachis.quadTo(mid, end);
    c.p.setPen(QPen(color.darker(140), 1.2));
    c.p.setBrush(Qt::NoBrush);
    c.p.drawPath(rachis);
    c.p.setPen(QPen(color, 1.0));
    for (double t = 0.12; t < 0.98; t += 0.05) {
        const QPointF at = rachis.pointAtPercent(t);
        const double tangent = rachis.angleAtPercent(t) * Pi / 180;
        const double leaflet = length * 0.16 * std::sin(Pi * t);
        for (int side : {-1, 1}) {
            const double a = tangent + side * 1.1 - 0.5;
            c.p.drawLine(at, at + QPointF(std::cos(a) * leaflet, -std::sin(a) * leaflet + leaflet * 0.5));
        }
    }
}

void Culm(PlateCanvas &c, QPointF base, double lean, double height, const QColor &color)
{
    const QPointF top = base + QPointF(lean * height * 0.55, -height);
    QPainterPath culm;
    culm.moveTo(base);
    culm.quadTo(base + QPointF(lean * height * 0.05, -height * 0.6), top);
    c.p.setPen(QPen(QColor(120, 140, 60), 2.2, Qt::SolidLine, Qt::RoundCap));
    c.p.setBrush(Qt::NoBrush);
    c.p.drawPath(culm);
    c.p.setPen(QPen(QColor(90, 100, 45), 1));
    for (double t = 0.08; t < 0.95; t += 0.08) {
        const QPointF at = culm.pointAtPercent(t);
        c.p.drawLine(at + QPointF(-2.5, 0), at + QPointF(2.5, 0));
    }
    // Leafy branches on the upper half.
    for (double t = 0.45; t < 1.0; t += 0.07) {
        const QPointF at = culm.pointAtPercent(t);
        const double side = c.random.bounded(2) ? 1 : -1;
        for (int k = 0; k < 3; ++k) {
            const QPointF tip = at + QPointF(side * c.uniform(8, 16), c.uniform(2, 12));
            DrawLeafBlade(c.p, at, tip, 0.22, "lanceolate", Vary(c, color, 15), 0);
        }
    }
}

void Person(QPainter &p, double x, double ground, double pxPerM)
{
    const double h = 1.7 * pxPerM;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 90));
    p.drawEllipse(QPointF(x, ground - h + h * 0.07), h * 0.07, h * 0.07);
    QPainterPath body;
    body.moveTo(x - h * 0.1, ground - h * 0.8);
    body.lineTo(x + h * 0.1, ground - h * 0.8);
    body.lineTo(x + h * 0.07, ground - h * 0.45);
    body.lineTo(x + h * 0.07, ground);
    body.lineTo(x + h * 0.01, ground);
    body.lineTo(x, ground - h * 0.4);
    body.lineTo(x - h * 0.01, ground);
    body.lineTo(x - h * 0.07, ground);
    body.lineTo(x - h * 0.07, ground - h * 0.45);
    body.closeSubpath();
    p.drawPath(body);
    p.restore();
}

void DrawTree(PlateCanvas &c, const Tree &t, double x, double ground, double pxPerM)
{
    const double H = t.height * pxPerM;
    const double W = t.crownWidth * pxPerM;
    const double trunkTop = ground - H * t.bole;
    const double trunkWidth = std::max(3.0, t.height * 0.035 * pxPerM);
    const QString &crown = t.crown;

    if (crown == "bamboo") {
        for (int i = 0; i < 16; ++i) {
            const double offset = c.uniform(-W * 0.12, W * 0.12);
            Culm(c, QPointF(x + offset, ground), offset / (W * 0.12 + 1) * 0.9 + c.uniform(-0.15, 0.15),
                 H * c.uniform(0.75, 1.0), t.foliage);
        }
        return;
    }
    if (crown == "palm") {
        c.p.setPen(QPen(QColor(80, 70, 55), 1));
        c.p.setBrush(QColor(105, 95, 80));
        c.p.drawRect(QRectF(x - trunkWidth * 0.7, ground - H * 0.82, trunkWidth * 1.4, H * 0.82));
        c.p.setPen(QPen(QColor(60, 50, 40), 0.7));
        for (double y = ground - 6; y > ground - H * 0.82; y -= 7)
            c.p.drawLine(QPointF(x - trunkWidth * 0.7, y), QPointF(x + trunkWidth * 0.7, y - 2));
        const QPointF top(x, ground - H * 0.82);
        if (t.fruits.isValid()) {
            c.p.setPen(QPen(t.fruits.darker(130), 1.4));
            for (int i = 0; i < 6; ++i) {
                const double dx = c.uniform(-W * 0.15, W * 0.15);
                c.p.drawLine(top, top + QPointF(dx, H * c.uniform(0.15, 0.3)));
            }
        }
        for (int i = 0; i < 14; ++i) {
            const double angle = Pi * (0.1 + 0.8 * i / 13.0) + c.uniform(-0.05, 0.05);
            Frond(c, top, angle, W * 0.5 * c.uniform(0.85, 1.05), Vary(c, t.foliage, 10));
        }
        return;
    }
    if (crown == "hedge") {
        for (int i = 0; i < 7; ++i) {
            const double sx = x - W / 2 + W * i / 6.0;
            const double stump = pxPerM * c.uniform(0.9, 1.3);
            c.p.setPen(QPen(QColor(70, 55, 40), 1));
            c.p.setBrush(QColor(125, 98, 70));
            c.p.drawRect(QRectF(sx - trunkWidth / 2, ground - stump, trunkWidth, stump));
            for (int k = 0; k < 5; ++k) {
                const QPointF from(sx, ground - stump);
                const QPointF to = from + QPointF(c.uniform(-0.6, 0.6) * pxPerM, -c.uniform(0.8, 1.6) * pxPerM);
                c.p.setPen(QPen(QColor(95, 110, 60), 1.2));
                c.p.drawLine(from, to);
                Clumps(c, QRectF(to.x() - 0.35 * pxPerM, to.y() - 0.3 * pxPerM, 0.7 * pxPerM, 0.6 * pxPerM),
                       t.foliage, 4, 0.16 * pxPerM);
                Dots(c, QRectF(to.x() - 0.3 * pxPerM, to.y() - 0.3 * pxPerM, 0.6 * pxPerM, 0.6 * pxPerM), t.flowers,
                     3, 0.07 * pxPerM);
            }
        }
        return;
    }
    if (crown == "mangrove") {
        c.p.setPen(QPen(QColor(95, 75, 55), 2.0));
        c.p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 9; ++i) {
            const double from = ground - H * c.uniform(0.08, 0.3);
            const double reach = (i - 4) * W * 0.09 + c.uniform(-4, 4);
            QPainterPath root;
            root.moveTo(x, from);
            root.quadTo(x + reach * 0.8, from - H * 0.05, x + reach, ground);
            c.p.drawPath(root);
        }
    }
    if (crown == "rattan") {
        // The support tree first, then the climbing cane over it.
        Tree host{"round", t.height, t.crownWidth, 0.45, QColor(120, 150, 110), {}, {}, false};
        DrawTree(c, host, x, ground, pxPerM);
        QPainterPath cane;
        cane.moveTo(x - W * 0.35, ground);
        cane.cubicTo(x - W * 0.1, ground - H * 0.3, x + trunkWidth, ground - H * 0.45, x - W * 0.05, ground - H * 0.75);
        cane.cubicTo(x - W * 0.2, ground - H * 0.95, x + W * 0.35, ground - H * 1.0, x + W * 0.55, ground - H * 0.7);
        c.p.setPen(QPen(QColor(110, 95, 50), 2.0));
        c.p.setBrush(Qt::NoBrush);
        c.p.drawPath(cane);
        for (double s = 0.1; s < 1.0; s += 0.075) {
            const QPointF at = cane.pointAtPercent(s);
            Frond(c, at, Pi * (c.random.bounded(2) ? 0.25 : 0.75), W * 0.22, Vary(c, t.foliage, 10));
        }
        return;
    }

    Trunk(c, x, ground, trunkTop - (crown == "conical" || crown == "tiered" ? H * (1 - t.bole) * 0.85 : 0),
          trunkWidth, t.buttress);
    const QRectF crownBox(x - W / 2, ground - H, W, H * (1 - t.bole) * 1.08);
    if (crown == "leafless") {
        QList<QPointF> tips;
        Branch(c, QPointF(x, trunkTop), Pi / 2 + 0.25, H * (1 - t.bole) * 0.42, 5, tips);
        Branch(c, QPointF(x, trunkTop), Pi / 2 - 0.25, H * (1 - t.bole) * 0.42, 5, tips);
        if (t.fruits.isValid() || t.flowers.isValid()) {
            const QColor dot = t.fruits.isValid() ? t.fruits : t.flowers;
            c.p.setPen(QPen(dot.darker(140), 0.6));
            c.p.setBrush(dot);
            for (const QPointF &tip : tips)
                c.p.drawEllipse(tip, 2.2, 2.2);
        }
        return;
    }
    if (crown == "conical") {
        const int tiers = 7;
        for (int i = 0; i < tiers; ++i) {
            const double f = double(i) / tiers;
            const double y = trunkTop - (ground - H - trunkTop) * -f;
            const double width = W * (1 - f) * 0.95 + W * 0.08;
            QPainterPath tier;
            tier.moveTo(x - width / 2, y + 4);
            tier.quadTo(x, y - (H * (1 - t.bole)) / tiers * 1.6, x + width / 2, y + 4);
            tier.closeSubpath();
            c.p.setPen(QPen(t.foliage.darker(150), 0.8));
            c.p.setBrush(Vary(c, t.foliage, 10));
            c.p.drawPath(tier);
        }
        return;
    }
    if (crown == "tiered") {
        const int tiers = 5;
        for (int i = 0; i < tiers; ++i) {
            const double f = double(i) / (tiers - 1);
            const double y = trunkTop - f * (trunkTop - (ground - H)) * 0.92;
            const double width = W * (1 - f * 0.65);
            c.p.setPen(QPen(QColor(95, 75, 55), 1.5));
            c.p.drawLine(QPointF(x - width * 0.45, y + 2), QPointF(x + width * 0.45, y + 2));
            Clumps(c, QRectF(x - width / 2, y - H * 0.06, width, H * 0.09), t.foliage, 18, H * 0.03);
        }
        Dots(c, crownBox, t.fruits, 10, 2.5);
        return;
    }
    if (crown == "spreading") {
        c.p.setPen(QPen(QColor(95, 75, 55), std::max(1.5, trunkWidth * 0.45)));
        for (double dx : {-0.38, -0.18, 0.05, 0.22, 0.4})
            c.p.drawLine(QPointF(x, trunkTop + 4), QPointF(x + dx * W, crownBox.center().y() + crownBox.height() * 0.2));
        Clumps(c, crownBox, t.foliage, 80, crownBox.height() * 0.17);
        Dots(c, crownBox, t.flowers, 40, 1.8);
        Dots(c, crownBox, t.fruits, 25, 2.2);
        return;
    }
    // round, columnar, mangrove: an ellipse of leaf masses over a few limbs.
    c.p.setPen(QPen(QColor(95, 75, 55), std::max(1.2, trunkWidth * 0.35)));
    for (double dx : {-0.25, 0.0, 0.25})
        c.p.drawLine(QPointF(x, trunkTop + 2), QPointF(x + dx * W, crownBox.center().y()));
    Clumps(c, crownBox, t.foliage, crown == "columnar" ? 55 : 60, std::min(W, crownBox.height()) * 0.14);
    Dots(c, crownBox, t.flowers, 45, 2.0);
    Dots(c, crownBox, t.fruits, 18, 2.6);
}

} // namespace

void DrawHabit(PlateCanvas &c, const QJsonObject &d)
{
    Tree tree;
    tree.crown = d.value("crown").toString("round");
    tree.height = d.value("height").toDouble(20);
    tree.crownWidth = d.value("crownWidth").toDouble(tree.height * 0.6);
    tree.bole = d.value("bole").toDouble(0.4);
    tree.foliage = PlateColor(d.value("foliage"), QColor(90, 135, 70));
    tree.flowers = PlateColor(d.value("flowers"), QColor());
    tree.fruits = PlateColor(d.value("fruits"), QColor());
    tree.buttress = d.value("buttress").toBool(false);
    const int count = std::max(1, d.value("count").toInt(1));

    const QRectF &a = c.area;
    const double ground = a.bottom() - 16;
    const double tallest = tree.height * 1.06;
    double pxPerM = (ground - a.top() - 6) / tallest;
    // A wide crown may need a smaller scale to fit beside the person.
    const double widthNeeded = tree.crownWidth * (count > 1 ? count * 0.9 : 1.15);
    pxPerM = std::min(pxPerM, (a.width() - 110) / widthNeeded);

    if (d.value("water").toBool(tree.crown == "mangrove")) {
        c.p.setPen(Qt::NoPen);
        c.p.setBrush(QColor(150, 185, 205, 150));
        c.p.drawRect(QRectF(a.left(), ground - 10, a.width(), 10));
    }
    c.p.setPen(QPen(QColor(120, 100, 70), 1.5));
    c.p.drawLine(QPointF(a.left(), ground), QPointF(a.right(), ground));
    c.p.setPen(QPen(QColor(110, 140, 80), 0.8));
    for (int i = 0; i < 70; ++i) {
        const double gx = c.uniform(a.left(), a.right());
        c.p.drawLine(QPointF(gx, ground), QPointF(gx + c.uniform(-2, 2), ground - c.uniform(2, 5)));
    }

    const double left = a.left() + 70;
    const double right = a.right() - 50;
    if (count == 1) {
        DrawTree(c, tree, (left + right) / 2, ground, pxPerM);
    } else {
        for (int i = 0; i < count; ++i)
            DrawTree(c, tree, left + (right - left) * (i + 0.5) / count, ground, pxPerM * c.uniform(0.92, 1.0));
    }
    Person(c.p, a.left() + 30, ground, pxPerM);
    const double bar = tree.height >= 15 ? 10 : tree.height >= 6 ? 5 : 1;
    DrawScaleBar(c.p, QPointF(a.right() - 36, ground), bar * pxPerM, QStringLiteral("%1 m").arg(bar), true);
}
