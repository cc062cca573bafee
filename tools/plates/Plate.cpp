#include "tools/plates/Plate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineF>
#include <QPainterPath>

#include <stdexcept>

namespace {

constexpr int Width = 480;
constexpr int Height = 360;

// FNV-1a over the name's bytes: the same seed on every run and platform.
quint32 Seed(const QString &name)
{
    quint32 hash = 2166136261u;
    for (const char c : name.toUtf8()) {
        hash ^= quint8(c);
        hash *= 16777619u;
    }
    return hash;
}

[[noreturn]] void Fail(const QString &path, const QString &reason)
{
    throw std::runtime_error((path + QStringLiteral(": ") + reason).toStdString());
}

} // namespace

QList<PlateSpec> ReadPlates(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(path, file.errorString());
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        Fail(path, error.errorString() + QStringLiteral(" at offset ") + QString::number(error.offset));
    if (!doc.isArray())
        Fail(path, QStringLiteral("expected a list of plates"));
    QList<PlateSpec> plates;
    for (const QJsonValue &value : doc.array()) {
        const QJsonObject o = value.toObject();
        PlateSpec plate{o.value("image").toString(), o.value("species").toString(), o.value("title").toString(),
                        o.value("kind").toString(), o.value("drawing").toObject()};
        if (plate.image.isEmpty() || plate.species.isEmpty() || plate.title.isEmpty())
            Fail(path, QStringLiteral("plate %1 needs image, species and title").arg(plates.size() + 1));
        if (plate.kind != "habit" && plate.kind != "foliage" && plate.kind != "fruit")
            Fail(path, QStringLiteral("plate %1 has unknown kind \"%2\"").arg(plate.image, plate.kind));
        plates << plate;
    }
    return plates;
}

QColor PlateColor(const QJsonValue &value, const QColor &fallback)
{
    const QColor color(value.toString());
    return value.isString() && color.isValid() ? color : fallback;
}

QImage DrawPlate(const PlateSpec &plate)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(QColor(248, 244, 230));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    p.setPen(QPen(QColor(120, 105, 80), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(7.5, 7.5, Width - 15, Height - 15));
    p.setPen(QPen(QColor(120, 105, 80), 0.6));
    p.drawRect(QRectF(11.5, 11.5, Width - 23, Height - 23));

    QFont name(QStringLiteral("DejaVu Serif"));
    name.setPixelSize(19);
    name.setItalic(true);
    name.setBold(true);
    p.setFont(name);
    p.setPen(QColor(50, 45, 35));
    p.drawText(QRectF(16, 16, Width - 32, 26), Qt::AlignCenter, plate.species);
    QFont caption(QStringLiteral("DejaVu Serif"));
    caption.setPixelSize(12);
    p.setFont(caption);
    p.drawText(QRectF(16, 42, Width - 32, 18), Qt::AlignCenter, plate.title);

    PlateCanvas canvas{p, QRectF(24, 66, Width - 48, Height - 66 - 30), QRandomGenerator(Seed(plate.image))};
    p.save();
    p.setClipRect(QRectF(12, 62, Width - 24, Height - 62 - 26));
    if (plate.kind == "habit")
        DrawHabit(canvas, plate.drawing);
    else if (plate.kind == "foliage")
        DrawFoliage(canvas, plate.drawing);
    else
        DrawFruit(canvas, plate.drawing);
    p.restore();

    QFont credit(QStringLiteral("DejaVu Sans"));
    credit.setPixelSize(9);
    p.setFont(credit);
    p.setPen(QColor(110, 100, 80));
    p.drawText(QRectF(18, Height - 28, Width - 36, 14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Silvaria illustration: schematic drawing, not a photograph"));
    p.drawText(QRectF(18, Height - 28, Width - 36, 14), Qt::AlignRight | Qt::AlignVCenter, plate.image);
    return image;
}

void DrawScaleBar(QPainter &p, QPointF at, double pixels, const QString &label, bool upright)
{
    p.save();
    p.setPen(QPen(QColor(60, 55, 45), 1.2));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    p.setFont(font);
    if (upright) {
        p.drawLine(at, at - QPointF(0, pixels));
        p.drawLine(at + QPointF(-3, 0), at + QPointF(3, 0));
        p.drawLine(at - QPointF(3, pixels), at - QPointF(-3, pixels));
        p.drawText(QRectF(at.x() + 5, at.y() - pixels / 2 - 8, 60, 16), Qt::AlignLeft | Qt::AlignVCenter, label);
    } else {
        p.drawLine(at, at + QPointF(pixels, 0));
        p.drawLine(at + QPointF(0, -3), at + QPointF(0, 3));
        p.drawLine(at + QPointF(pixels, -3), at + QPointF(pixels, 3));
        p.drawText(QRectF(at.x(), at.y() + 3, pixels, 14), Qt::AlignCenter, label);
    }
    p.restore();
}

void DrawLeafBlade(QPainter &p, QPointF base, QPointF tip, double width, const QString &shape, const QColor &color,
                   int veins)
{
    const QLineF axis(base, tip);
    const double length = axis.length();
    const double half = length * width / 2;
    // Where along the blade it is widest, and how the base is cut.
    double widest = 0.5;
    if (shape == "ovate" || shape == "cordate")
        widest = 0.35;
    else if (shape == "obovate")
        widest = 0.68;
    else if (shape == "lanceolate")
        widest = 0.3;
    p.save();
    p.translate(base);
    p.rotate(-axis.angle());
    QPainterPath blade;
    blade.moveTo(0, 0);
    if (shape == "cordate") {
        blade.cubicTo(-length * 0.08, -half * 1.1, length * widest * 0.8, -half * 1.15, length * 0.6, -half * 0.7);
        blade.cubicTo(length * 0.8, -half * 0.35, length * 0.93, -half * 0.08, length, 0);
        blade.cubicTo(length * 0.93, half * 0.08, length * 0.8, half * 0.35, length * 0.6, half * 0.7);
        blade.cubicTo(length * widest * 0.8, half * 1.15, -length * 0.08, half * 1.1, 0, 0);
    } else {
        const double w = length * widest;
        blade.cubicTo(w * 0.2, -half * 0.9, w * 0.7, -half, w, -half);
        blade.cubicTo(w + (length - w) * 0.5, -half, length * 0.92, -half * 0.25, length, 0);
        blade.cubicTo(length * 0.92, half * 0.25, w + (length - w) * 0.5, half, w, half);
        blade.cubicTo(w * 0.7, half, w * 0.2, half * 0.9, 0, 0);
    }
    p.setPen(QPen(color.darker(160), 1.0));
    p.setBrush(color);
    p.drawPath(blade);
    p.setPen(QPen(color.darker(140), 0.8));
    p.drawLine(QPointF(0, 0), QPointF(length * 0.97, 0));
    p.setPen(QPen(color.darker(125), 0.6));
    // A negative count draws that many veins along the blade (phyllodes, grasses).
    for (int i = 1; i <= -veins; ++i) {
        const double offset = half * 0.9 * (2.0 * i / (-veins + 1) - 1);
        QPainterPath vein;
        vein.moveTo(length * 0.03, 0);
        vein.quadTo(length * widest, offset * 1.1, length * 0.95, 0);
        p.setBrush(Qt::NoBrush);
        p.drawPath(vein);
    }
    for (int i = 1; i <= veins; ++i) {
        const double x = length * i / (veins + 1.0);
        const double reach = half * 0.8 * std::sin(3.14159 * std::min(1.0, x / length + 0.1));
        p.drawLine(QPointF(x, 0), QPointF(x + reach * 0.7, -reach));
        p.drawLine(QPointF(x, 0), QPointF(x + reach * 0.7, reach));
    }
    p.restore();
}
