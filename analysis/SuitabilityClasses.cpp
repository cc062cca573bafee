#include "analysis/SuitabilityClasses.h"

#include "mapping/MapError.h"

QString ClassName(int order)
{
    static const char *const names[4] = {"altitude", "rainfall", "temperature", "full match"};
    return QString::fromLatin1(names[order]);
}

QString UnitOf(int criterion)
{
    static const char *const units[3] = {"m", "mm", "\u00b0C"};
    return QString::fromUtf8(units[criterion]);
}

std::array<std::vector<std::uint32_t>, 4> ClassPoints(const MapLayer &canvas, Bounds bounds, const GridRanges &ranges,
                                                      const ClassChoice &chosen)
{
    ClampRanges(bounds, ranges);
    return ClassPointsOf(canvas, BuildClassFilters(bounds, ranges), chosen);
}

std::array<std::vector<std::uint32_t>, 4> ClassPointsOf(const MapLayer &canvas, const ClassFilters &filters,
                                                        const ClassChoice &chosen)
{
    const QString texts[4] = {filters.altitude, filters.rainfall, filters.temperature, filters.species};
    std::array<std::vector<std::uint32_t>, 4> points;
    for (int order = 0; order < 4; ++order) {
        if (!chosen[order])
            continue;
        try {
            points[order] = canvas.SearchExpression(texts[order]).featureIds();
        } catch (const MapError &) {
            // The map draws nothing for a filter it rejects; neither do we count anything.
        }
    }
    return points;
}

Bounds SpeciesBounds(const Bounds &stored, const RangeOverride &given)
{
    Bounds bounds = stored;
    for (int c = 0; c < 3; ++c) {
        if (given.given[c]) {
            bounds.min[c] = Bound::fromNumber(given.min[c]);
            bounds.max[c] = Bound::fromNumber(given.max[c]);
        }
    }
    return bounds;
}

namespace {

QString fieldOf(int criterion) { return QString::fromLatin1(DataRangeOf(Criterion(criterion)).field); }

// "ALT 100 to 1500 m".
QString rangeText(int criterion, const QString &min, const QString &max)
{
    return QStringLiteral("%1 %2 to %3 %4").arg(fieldOf(criterion), min, max, UnitOf(criterion));
}

} // namespace

QString RangesText(const Bounds &bounds)
{
    QStringList parts;
    for (int c = 0; c < 3; ++c) {
        if (bounds.min[c].isMissing() || bounds.max[c].isMissing())
            parts << fieldOf(c) + QStringLiteral(" not stated");
        else
            parts << rangeText(c, bounds.min[c].expressionText(), bounds.max[c].expressionText());
    }
    return parts.join(QStringLiteral(", "));
}

QString DrawnRangesText(Bounds bounds, const GridRanges &ranges)
{
    ClampRanges(bounds, ranges);
    return RangesText(bounds);
}

QString BoxRangesText(const QStringList &boxTexts)
{
    QStringList parts;
    for (int c = 0; c < 3; ++c)
        parts << rangeText(c, boxTexts.value(2 * c), boxTexts.value(2 * c + 1));
    return parts.join(QStringLiteral(", "));
}
