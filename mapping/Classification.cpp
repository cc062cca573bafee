#include "mapping/Classification.h"

#include <QCoreApplication>

#include <cmath>

namespace {

const SuitabilityClass Classes[4] = {
    {QT_TRANSLATE_NOOP("Classification", "Elevation match only"), 255, 0, 0},
    {QT_TRANSLATE_NOOP("Classification", "Rainfall match (but not all other criteria)"), 0, 0, 255},
    {QT_TRANSLATE_NOOP("Classification", "Temperature match (but not all other criteria)"), 0, 255, 0},
    {QT_TRANSLATE_NOOP("Classification", "Species match (all criteria available)"), 128, 64, 64},
};

QString decimal(double v) { return QString::number(v, 'g', 15); }

QString rangeExpression(const Bounds &b, Criterion c)
{
    const QString field = QString::fromLatin1(DataRangeOf(c).field);
    return field + QStringLiteral(" >= ") + b.min[c].expressionText() + QStringLiteral(" AND ") + field
         + QStringLiteral(" <= ") + b.max[c].expressionText();
}

} // namespace

Bound Bound::fromValue(const QVariant &v)
{
    if (v.isNull() || !v.isValid())
        return missing();
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok ? fromNumber(d) : missing();
}

Bound Bound::fromBox(const QString &box)
{
    const QString trimmed = box.trimmed();
    bool ok = false;
    const double d = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return missing();
    return {Text, d, trimmed};
}

QString Bound::expressionText() const
{
    switch (kind) {
    case Number: return decimal(number);
    case Text: return text;
    default: return QString();
    }
}

QString Bound::boxText() const { return isMissing() ? QStringLiteral("0") : expressionText(); }

void ClampRanges(Bounds &bounds, const GridRanges &ranges)
{
    for (int c = 0; c < 3; ++c) {
        const double lower = ranges.lower[c], upper = ranges.upper[c];
        Bound &lo = bounds.min[c];
        Bound &hi = bounds.max[c];
        const bool unstated = !lo.isMissing() && !hi.isMissing() && lo.number == 0 && hi.number == 0;
        if (!lo.isMissing() && (lo.number < lower || (unstated && lo.number > upper)))
            lo = Bound::fromNumber(lower);
        if (!hi.isMissing() && (hi.number > upper || (unstated && hi.number < lower)))
            hi = Bound::fromNumber(upper);
    }
}

bool IsAvailable(const Bounds &bounds, Criterion c, const GridRanges &ranges)
{
    const Bound &lo = bounds.min[c];
    const Bound &hi = bounds.max[c];
    if (lo.isMissing() || hi.isMissing())
        return false;
    if (!(lo.number >= ranges.lower[c] && hi.number <= ranges.upper[c]))
        return false;
    return !(lo.number == 0 && hi.number == 0);
}

ClassFilters BuildClassFilters(const Bounds &b, const GridRanges &ranges)
{
    ClassFilters f;
    f.altitude = rangeExpression(b, Altitude);
    f.rainfall = rangeExpression(b, Rainfall);
    f.temperature = rangeExpression(b, Temperature);
    const QString andMar = QStringLiteral(" AND ") + f.rainfall;
    const QString andMat = QStringLiteral(" AND ") + f.temperature;
    const bool alt = IsAvailable(b, Altitude, ranges), mar = IsAvailable(b, Rainfall, ranges),
               mat = IsAvailable(b, Temperature, ranges);
    if (alt && mar && mat) {
        f.species = f.altitude + andMar + andMat;
        f.description = QStringLiteral("ALT - MAR - MAT");
    } else if (alt && !mar && !mat) {
        f.species = f.altitude;
        f.description = QStringLiteral("ALT");
    } else if (alt && mar) {
        f.species = f.altitude + andMar;
        f.description = QStringLiteral("ALT - MAR");
    } else if (alt && mat) {
        f.species = f.altitude + andMat;
        f.description = QStringLiteral("ALT - MAT");
    } else if (mar && mat) {
        f.species = f.rainfall + andMat;
        f.description = QStringLiteral("MAR - MAT");
    } else if (mar) {
        f.species = f.rainfall;
        f.description = QStringLiteral("MAR");
    } else if (mat) {
        f.species = f.temperature;
        f.description = QStringLiteral("MAT");
    } else {
        f.species = f.altitude + QStringLiteral(" OR ") + f.rainfall + QStringLiteral(" OR ") + f.temperature;
        f.description = QCoreApplication::translate("Classification", "Error");
    }
    return f;
}

QString InvasiveWarning(const QVariant &status)
{
    if (status.isNull() || !status.isValid())
        return QString();
    return status.toString() == QLatin1String("1") ? QCoreApplication::translate("Classification", "Warning : Potentially Invasive Species") : QString();
}

const SuitabilityClass &ClassAt(int order) { return Classes[order]; }

int PointSizeForZoom(int zoomLevel) { return zoomLevel == 1 ? 1 : zoomLevel + 1; }

QString SpeciesRangesStatement(int spId)
{
    return QStringLiteral("SELECT Species.SpID, Species.MinAltitude, Species.MaxAltitude, Species.MinRainfall, "
                          "Species.MaxRainfall, Species.MinTemperature, Species.MaxTemperature, Species.InvasiveStatus "
                          "FROM Species WHERE Species.SpID = ")
         + QString::number(spId);
}
