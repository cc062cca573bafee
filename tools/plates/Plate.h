#pragma once
#include <QImage>
#include <QJsonObject>
#include <QPainter>
#include <QRandomGenerator>
#include <QString>

// One drawn plate of a species: what it shows and how to draw it.
struct PlateSpec {
    QString image;   // file base name, genus_species_N
    QString species; // botanic name, printed in italics
    QString title;   // what the plate shows, one line
    QString kind;    // "habit", "foliage" or "fruit"
    QJsonObject drawing;
};

// The canvas a plate's subject is drawn into, with a random source seeded from
// the plate's name so every run draws the same picture.
struct PlateCanvas {
    QPainter &p;
    QRectF area;
    QRandomGenerator random;
    double uniform(double low, double high) { return low + (high - low) * random.generateDouble(); }
};

// Reads plates.json: a list of plate objects. Throws std::runtime_error naming
// the file and the reason.
QList<PlateSpec> ReadPlates(const QString &path);

// Draws a whole plate: paper, frame, names, the subject and the credit line.
QImage DrawPlate(const PlateSpec &plate);

// The subjects, one per kind.
void DrawHabit(PlateCanvas &canvas, const QJsonObject &drawing);
void DrawFoliage(PlateCanvas &canvas, const QJsonObject &drawing);
void DrawFruit(PlateCanvas &canvas, const QJsonObject &drawing);

// Shared strokes.
QColor PlateColor(const QJsonValue &value, const QColor &fallback);
void DrawScaleBar(QPainter &p, QPointF at, double pixels, const QString &label, bool upright = false);
// A leaf blade from `base` towards `tip`: shape "ovate", "elliptic", "obovate",
// "lanceolate", "cordate" or "linear"; width as a fraction of the length.
void DrawLeafBlade(QPainter &p, QPointF base, QPointF tip, double width, const QString &shape, const QColor &color,
                   int veins = 6);
