#include "analysis/GridClimate.h"

#include "mapping/Classification.h"
#include "mapping/MapError.h"
#include "mapping/SuitableSpecies.h"

#include <cmath>
#include <cstdlib>

double EngineValue(float value)
{
    if (std::isnan(value))
        return value;
    return std::strtod(SingleText(value).toLatin1().constData(), nullptr);
}

int GridClimate::fieldOf(const ShapeLayer &canvas, int criterion)
{
    const QString name = QString::fromLatin1(DataRangeOf(Criterion(criterion)).field);
    const int field = canvas.attributes().indexOf(name);
    if (field < 0)
        throw MapError(QStringLiteral("%1 has no %2 field, so no species can be matched to its points.")
                           .arg(canvas.path(), name));
    return field;
}

GridClimate GridClimate::read(const ShapeLayer &canvas)
{
    GridClimate grid;
    const std::uint32_t n = canvas.featureCount();
    for (int c = 0; c < 3; ++c) {
        const AttributeColumn &column = canvas.attributes().column(fieldOf(canvas, c));
        grid.stored[c].resize(n);
        grid.engine[c].resize(n);
        // Whole numbers read the same either way; only decimals go through the text.
        for (std::uint32_t i = 0; i < n; ++i) {
            const float v = float(column.number(i));
            grid.stored[c][i] = v;
            grid.engine[c][i] = v == std::floor(v) && std::fabs(v) < 1e7f ? double(v) : EngineValue(v);
        }
    }
    return grid;
}
