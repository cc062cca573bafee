#include "analysis/ClimateShift.h"

#include "analysis/GridClimate.h"
#include "analysis/SuitabilityClasses.h"
#include "base/Error.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

QString ShiftCaveat()
{
    return QCoreApplication::translate("ClimateShift", "uniform shift of the grid's climate, not a climate projection");
}

namespace {

// The value rounded to 12 significant digits. The grid's values and a typed
// shift carry a few digits each, so the exact decimal sum or product has far
// fewer than 12, while binary arithmetic adds noise at the 16th
// (1500 * 1.1 = 1650.0000000000002). Rounding gives the double nearest the
// exact decimal result: the very double a bound written with the same digits
// reads as, so a value that decimal arithmetic puts on a range's edge is on it.
double decimalRounded(double v)
{
    const double magnitude = std::fabs(v);
    if (!(magnitude >= 1e-9 && magnitude < 1e11))
        return v;
    const int places = 12 - (int(std::floor(std::log10(magnitude))) + 1); // 1 to 20
    double scale = 1;
    for (int i = 0; i < places; ++i)
        scale *= 10; // exact up to 10^22
    return std::round(v * scale) / scale;
}

// A field's value without going through its text: the shift only needs the number.
double rawNumber(const AttributeColumn &column, std::uint32_t row)
{
    switch (column.storage()) {
    case ColumnStorage::Int16: return column.int16s()[row];
    case ColumnStorage::Int32: return column.int32s()[row];
    case ColumnStorage::Float32: return column.floats()[row];
    case ColumnStorage::Float64: return column.doubles()[row];
    case ColumnStorage::Text: break;
    }
    return std::nan("");
}

float boundAsFloat(const Bound &b)
{
    float f = 0;
    NumberText::parseFloat(b.expressionText().toStdString(), f);
    return f;
}

// A range as the filter compares a field's storage: a float field against
// the bounds read as floats.
struct Limits {
    double low = 0, high = 0;
    float lowF = 0, highF = 0;

    Limits(const Bound &lo, const Bound &hi) : low(lo.number), high(hi.number), lowF(boundAsFloat(lo)), highF(boundAsFloat(hi)) {}
    bool hold(double value, bool asFloat) const
    {
        if (asFloat) {
            const float f = float(value);
            return lowF <= f && f <= highF;
        }
        return low <= value && value <= high;
    }
};

// One criterion of the map on the second climate. A field of the grid itself
// left unchanged is tested exactly as the map tests it (the clamped range); a
// shifted one, or one of another grid, against the species' own range, since
// that climate may leave the grid's data ranges. Only a pair 0 and 0 (a range
// not stated, as a box shows it) keeps the data range it was clamped to.
struct ShiftedTest {
    const AttributeColumn *column;
    int criterion;
    bool asFloat;
    bool otherGrid;
    Limits map, own;

    ShiftedTest(const AttributeColumn &c, int criterion, bool otherGrid, const Bounds &given, const Bounds &clamped)
        : column(&c), criterion(criterion), asFloat(c.storage() == ColumnStorage::Float32), otherGrid(otherGrid),
          map(clamped.min[criterion], clamped.max[criterion]), own(given.min[criterion], given.max[criterion])
    {
        if (given.min[criterion].number == 0 && given.max[criterion].number == 0)
            own = map;
    }
    bool holds(std::uint32_t row, double dT, double rainFactor) const
    {
        const double value = rawNumber(*column, row);
        if (std::isnan(value))
            return false;
        if (criterion == Rainfall && rainFactor != 1)
            return own.hold(decimalRounded(value * rainFactor), asFloat);
        if (criterion == Temperature && dT != 0)
            return own.hold(decimalRounded(value + dT), asFloat);
        return (otherGrid ? own : map).hold(value, asFloat);
    }
};

} // namespace

ClimateShiftResult ShiftClimate(const MapData &maps, const GridCells &cells, const CountryAssignment &countries,
                                const Bounds &given, double dT, double dPPercent)
{
    return CompareClimates(maps, cells, countries, given, *maps.canvas->data(), dT, dPPercent);
}

ClimateShiftResult CompareClimates(const MapData &maps, const GridCells &cells, const CountryAssignment &countries,
                                   const Bounds &given, const ShapeLayer &second, double dT, double dPPercent)
{
    ClimateShiftResult result;
    const ShapeLayer &grid = *maps.canvas->data();
    const bool otherGrid = &second != &grid;
    if (second.featureCount() != grid.featureCount())
        throw Error(QStringLiteral("%1 does not hold the grid's points, so its climate cannot be compared").arg(second.path()));
    Bounds clamped = given;
    ClampRanges(clamped, maps.ranges);
    const std::vector<std::uint32_t> before = ClassPoints(*maps.canvas, given, maps.ranges)[ClassFullMatch];

    std::vector<ShiftedTest> tests;
    for (int c = 0; c < 3; ++c) {
        if (!IsAvailable(clamped, Criterion(c), maps.ranges))
            continue;
        tests.emplace_back(second.attributes().column(GridClimate::fieldOf(second, c)), c, otherGrid, given, clamped);
    }
    const double rainFactor = decimalRounded(1.0 + dPPercent / 100.0);
    std::vector<std::uint8_t> after(grid.featureCount(), 0);
    if (!tests.empty()) {
        for (std::uint32_t i = 0; i < grid.featureCount(); ++i)
            after[i] = std::all_of(tests.begin(), tests.end(), [&](const ShiftedTest &t) { return t.holds(i, dT, rainFactor); });
    }
    std::vector<std::uint8_t> wasIn(grid.featureCount(), 0);
    for (std::uint32_t p : before) {
        wasIn[p] = 1;
        (after[p] ? result.kept : result.lost).push_back(p);
    }
    for (std::uint32_t i = 0; i < grid.featureCount(); ++i)
        if (after[i] && !wasIn[i])
            result.gained.push_back(i);
    result.areas = SumAreas({&result.kept, &result.lost, &result.gained}, cells, countries);
    return result;
}
