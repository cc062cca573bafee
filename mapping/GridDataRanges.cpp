#include "mapping/GridDataRanges.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace {

const char *const Fields[3] = {"ALT", "MAR", "MAT"};
const GridRanges Fixed{{0, 6, -11.2}, {6098, 8253, 29.2}};

GridRanges Active = Fixed;
DataRange ActiveRanges[3] = {{"ALT", 0, 6098}, {"MAR", 6, 8253}, {"MAT", -11.2, 29.2}};

QString decimal(double v) { return QString::number(v, 'g', 15); }

} // namespace

GridRanges FixedGridRanges() { return Fixed; }

std::optional<GridRanges> ParseGridRanges(const QString &sourcesText)
{
    static const QRegularExpression line(
        QStringLiteral(R"(^\s*data range\s+(ALT|MAR|MAT)\s*=\s*(\S+)\s+to\s+(\S+)\s*$)"),
        QRegularExpression::MultilineOption | QRegularExpression::CaseInsensitiveOption);
    GridRanges ranges = Fixed;
    bool seen[3] = {};
    for (auto it = line.globalMatch(sourcesText); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        bool okLow = false, okHigh = false;
        const double low = m.captured(2).toDouble(&okLow), high = m.captured(3).toDouble(&okHigh);
        if (!okLow || !okHigh || !std::isfinite(low) || !std::isfinite(high) || low > high)
            return std::nullopt;
        for (int c = 0; c < 3; ++c) {
            if (m.captured(1).compare(QLatin1String(Fields[c]), Qt::CaseInsensitive) == 0) {
                ranges.lower[c] = low;
                ranges.upper[c] = high;
                seen[c] = true;
            }
        }
    }
    if (!(seen[0] && seen[1] && seen[2]))
        return std::nullopt;
    return ranges;
}

QString GridRangesText(const GridRanges &ranges)
{
    QString text;
    for (int c = 0; c < 3; ++c)
        text += QStringLiteral("data range %1 = %2 to %3\n")
                    .arg(QLatin1String(Fields[c]), decimal(ranges.lower[c]), decimal(ranges.upper[c]));
    return text;
}

void SetGridDataRanges(const std::optional<GridRanges> &ranges)
{
    const GridRanges r = ranges.value_or(Fixed);
    Active = r;
    for (int c = 0; c < 3; ++c) {
        ActiveRanges[c].lower = r.lower[c];
        ActiveRanges[c].upper = r.upper[c];
    }
}

GridRanges ReadGridRanges(const QString &shapeFolder)
{
    QFile file(shapeFolder + QStringLiteral("/sources.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return Fixed;
    return ParseGridRanges(QString::fromUtf8(file.read(1 << 20))).value_or(Fixed);
}

void LoadGridDataRanges(const QString &shapeFolder) { SetGridDataRanges(ReadGridRanges(shapeFolder)); }

const GridRanges &ActiveGridRanges() { return Active; }

const DataRange &DataRangeOf(Criterion c) { return ActiveRanges[c]; }
