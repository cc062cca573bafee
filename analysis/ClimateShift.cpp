#include "analysis/ClimateShift.h"

#include "analysis/GridClimate.h"
#include "analysis/SuitabilityClasses.h"

#include <algorithm>
#include <cmath>
#include <functional>

QString ShiftCaveat() { return QStringLiteral("uniform shift of the grid's climate, not a climate projection"); }

namespace {

// One criterion's test over shifted values, compared the way the filter
// compares the field's storage.
struct ShiftedTest {
    const AttributeColumn *column = nullptr;
    double low = 0, high = 0;
    float lowF = 0, highF = 0;
    bool asFloat = false;

    bool holds(double value) const
    {
        if (std::isnan(value))
            return false;
        if (asFloat) {
            const float f = float(value);
            return lowF <= f && f <= highF;
        }
        return low <= value && value <= high;
    }
};

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

} // namespace

ClimateShiftResult ShiftClimate(const MapLayer &canvas, const GridCells &cells, const CountryAssignment &countries,
                                const Bounds &given, double dT, double dPPercent)
{
    ClimateShiftResult result;
    const ShapeLayer &grid = *canvas.data();
    Bounds bounds = given;
    ClampRanges(bounds);
    const std::vector<std::uint32_t> before = ClassPoints(canvas, given)[ClassFullMatch];

    std::vector<ShiftedTest> tests;
    std::vector<int> criteria;
    for (int c = 0; c < 3; ++c) {
        if (!IsAvailable(bounds, Criterion(c)))
            continue;
        ShiftedTest t;
        t.column = &grid.attributes().column(GridClimate::fieldOf(grid, c));
        t.low = bounds.min[c].number;
        t.high = bounds.max[c].number;
        t.asFloat = t.column->storage() == ColumnStorage::Float32;
        t.lowF = boundAsFloat(bounds.min[c]);
        t.highF = boundAsFloat(bounds.max[c]);
        tests.push_back(t);
        criteria.push_back(c);
    }
    const double rainFactor = 1.0 + dPPercent / 100.0;
    std::vector<std::uint8_t> after(grid.featureCount(), 0);
    if (!tests.empty()) {
        for (std::uint32_t i = 0; i < grid.featureCount(); ++i) {
            bool all = true;
            for (std::size_t k = 0; k < tests.size() && all; ++k) {
                double v = rawNumber(*tests[k].column, i);
                if (criteria[k] == Rainfall)
                    v *= rainFactor;
                else if (criteria[k] == Temperature)
                    v += dT;
                all = tests[k].holds(v);
            }
            after[i] = all;
        }
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
