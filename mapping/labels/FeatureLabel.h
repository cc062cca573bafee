#pragma once
#include "mapping/MapShape.h"

#include <QList>
#include <QString>

class QTextStream;

// One text label on a map: where it is drawn, the type of the layer it came
// from (22 line, 23 polygon, anything else a point), its text and its height
// in map units.
class FeatureLabel {
public:
    MapShape Shape;
    short ShapeType = 0;
    QString Text;
    double Height = 0;

    // Orders a line label's first part from west to east, so text laid along it
    // reads left to right. Other parts and other shapes are left alone.
    void FixLine();

    // Writes the label's two records: "ShapeType,Height,"Text"" and "x,y".
    void Store(QTextStream &out) const;
    // Reads two records written by Store; the label becomes a point label at
    // (x, y). Throws MapError naming the reason when a record is malformed.
    void Load(QTextStream &in);
};

// Reads a whole label file: the count, then two records per label. At most
// `room` labels are accepted. Throws MapError naming what is malformed.
QList<FeatureLabel> ReadLabelRecords(QTextStream &in, qlonglong room);

// The position a label file keeps for a label: the middle vertex of a line's
// first part (index Count / 2, a half rounded to even), else the point.
MapPoint StoredPosition(const FeatureLabel &label);

// Splits one record of a label file into its fields: numbers as written, quoted
// strings without their quotes and with doubled quotes made single again.
// Throws MapError for an unterminated string.
QStringList SplitLabelRecord(const QString &record);
QString QuoteLabelText(const QString &text);
QString LabelNumber(double value);
