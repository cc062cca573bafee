#include "mapping/labels/FeatureLabel.h"

#include "mapping/MapError.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <QTextStream>

#include <cmath>

namespace {

const QString CRLF = QStringLiteral("\r\n");

double parseNumber(const QString &field, const char *what)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(field.trimmed(), &ok);
    if (!ok || !std::isfinite(v))
        throw MapError(QCoreApplication::translate("FeatureLabel", "the %1 \"%2\" is not a number").arg(QCoreApplication::translate("FeatureLabel", what), field.left(40)));
    return v;
}

QString readRecord(QTextStream &in)
{
    if (in.atEnd())
        throw MapError(QCoreApplication::translate("FeatureLabel", "the file ends before the last label"));
    return in.readLine();
}

} // namespace

void FeatureLabel::FixLine()
{
    if (ShapeType != ShapeTypeLine || Shape.Parts().empty())
        return;
    MapPoints &part = Shape.Parts()[0];
    if (part.Count() < 1)
        return;
    if (part.Item(0).x > part.Item(part.Count() - 1).x)
        part.Reverse();
}

MapPoint StoredPosition(const FeatureLabel &label)
{
    if (label.ShapeType == ShapeTypeLine && !label.Shape.Parts().empty() && label.Shape.Parts()[0].Count() > 0) {
        const MapPoints &part = label.Shape.Parts()[0];
        const int middle = int(std::nearbyint(part.Count() / 2.0)); // the default rounding sends halves to even
        return part.Item(std::min(middle, part.Count() - 1));
    }
    return {label.Shape.x(), label.Shape.y()};
}

QString LabelNumber(double value) { return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest); }

QString QuoteLabelText(const QString &text)
{
    // A record is one line: line breaks in a text are kept as spaces.
    QString quoted = text;
    quoted.replace(QLatin1String("\r\n"), QLatin1String(" "));
    quoted.replace(QLatin1Char('\r'), QLatin1Char(' '));
    quoted.replace(QLatin1Char('\n'), QLatin1Char(' '));
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QStringList SplitLabelRecord(const QString &record)
{
    QStringList fields;
    QString field;
    bool quoted = false, wasQuoted = false;
    for (qsizetype i = 0; i < record.size(); ++i) {
        const QChar c = record[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < record.size() && record[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = wasQuoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << (wasQuoted ? field : field.trimmed());
            field.clear();
            wasQuoted = false;
        } else {
            field += c;
        }
    }
    if (quoted)
        throw MapError(QCoreApplication::translate("FeatureLabel", "a label text has no closing quote"));
    fields << (wasQuoted ? field : field.trimmed());
    return fields;
}

void FeatureLabel::Store(QTextStream &out) const
{
    const MapPoint at = StoredPosition(*this);
    out << ShapeType << ',' << LabelNumber(Height) << ',' << QuoteLabelText(Text) << CRLF;
    out << LabelNumber(at.x) << ',' << LabelNumber(at.y) << CRLF;
}

void FeatureLabel::Load(QTextStream &in)
{
    const QStringList first = SplitLabelRecord(readRecord(in));
    if (first.size() != 3)
        throw MapError(QCoreApplication::translate("FeatureLabel", "a label record has %1 fields instead of 3").arg(first.size()));
    const QStringList second = SplitLabelRecord(readRecord(in));
    if (second.size() != 2)
        throw MapError(QCoreApplication::translate("FeatureLabel", "a position record has %1 fields instead of 2").arg(second.size()));
    const double type = parseNumber(first[0], QT_TRANSLATE_NOOP("FeatureLabel", "shape type"));
    if (type != std::floor(type) || type < -32768 || type > 32767)
        throw MapError(QCoreApplication::translate("FeatureLabel", "the shape type \"%1\" is not a whole number").arg(first[0]));
    const double height = parseNumber(first[1], QT_TRANSLATE_NOOP("FeatureLabel", "height"));
    const double x = parseNumber(second[0], QT_TRANSLATE_NOOP("FeatureLabel", "x coordinate"));
    const double y = parseNumber(second[1], QT_TRANSLATE_NOOP("FeatureLabel", "y coordinate"));
    ShapeType = short(type);
    Height = height;
    Text = first[2];
    Shape = MapShape::point(x, y);
}

QList<FeatureLabel> ReadLabelRecords(QTextStream &in, qlonglong room)
{
    bool ok = false;
    const QString countText = in.readLine().trimmed();
    const qlonglong count = countText.toLongLong(&ok);
    if (!ok || count < 0)
        throw MapError(QCoreApplication::translate("FeatureLabel", "the first line \"%1\" is not a label count").arg(countText.left(40)));
    if (count > room)
        throw MapError(QCoreApplication::translate("FeatureLabel", "%1 labels are more than the map can hold").arg(count));
    QList<FeatureLabel> labels;
    for (qlonglong i = 0; i < count; ++i) {
        FeatureLabel label;
        label.Load(in);
        labels.append(label);
    }
    return labels;
}
