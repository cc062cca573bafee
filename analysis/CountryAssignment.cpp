#include "analysis/CountryAssignment.h"

#include "analysis/LayerPairCache.h"

#include "mapping/MapError.h"

#include <QMap>

#include <algorithm>
#include <cmath>

QString OutsideBoundariesText() { return QStringLiteral("outside the boundaries"); }

namespace {

// The grid's points by row: sorted by y, then x; points without a position left out.
struct GridRows {
    std::vector<double> y;             // of each row, rising
    std::vector<std::uint32_t> start;  // of each row in `order`, and the end
    std::vector<std::uint32_t> order;  // features
    std::vector<MapPoint> at;          // their positions, in the same order

    static GridRows of(const ShapeLayer &grid)
    {
        GridRows rows;
        std::vector<std::pair<MapPoint, std::uint32_t>> points;
        const bool arrays = grid.hasPointArrays();
        for (std::uint32_t i = 0; i < grid.featureCount(); ++i) {
            MapPoint p;
            if (arrays) {
                p = {grid.xs()[i], grid.ys()[i]};
            } else {
                const MapExtent box = grid.featureExtent(i);
                if (!box.isValid())
                    continue;
                p = box.center();
            }
            if (std::isfinite(p.x) && std::isfinite(p.y))
                points.push_back({p, i});
        }
        std::sort(points.begin(), points.end(), [](const auto &a, const auto &b) {
            return a.first.y != b.first.y ? a.first.y < b.first.y : a.first.x < b.first.x;
        });
        for (std::size_t k = 0; k < points.size(); ++k) {
            if (k == 0 || points[k].first.y != points[k - 1].first.y) {
                rows.y.push_back(points[k].first.y);
                rows.start.push_back(std::uint32_t(k));
            }
            rows.order.push_back(points[k].second);
            rows.at.push_back(points[k].first);
        }
        rows.start.push_back(std::uint32_t(points.size()));
        return rows;
    }
    // The rows with lo <= y < hi (hiIncluded: y <= hi).
    std::pair<std::size_t, std::size_t> between(double lo, double hi, bool hiIncluded) const
    {
        const auto first = std::lower_bound(y.begin(), y.end(), lo);
        const auto last = hiIncluded ? std::upper_bound(y.begin(), y.end(), hi) : std::lower_bound(y.begin(), y.end(), hi);
        return {std::size_t(first - y.begin()), std::size_t(std::max(first, last) - y.begin())};
    }
};

// Where a feature's edges meet one grid row: the crossings of a ray cast
// along the row, computed as the point-in-polygon test computes them, and
// the places where a point would lie on the outline (vertices on the row,
// edges along it), which that test decides itself.
struct RowCrossings {
    std::vector<double> crossings;
    std::vector<std::pair<double, double>> onOutline; // x from, x to
};

bool near(double a, double b) { return std::abs(a - b) <= 1e-9 * std::max({1.0, std::abs(a), std::abs(b)}); }

// Gives the feature's country to the unassigned grid points inside it. A row
// at a time: a point is inside when an odd number of crossings lie to its
// right, as for the ray test of ShapeLayer::featureContains (the same
// crossing arithmetic), which decides the points on or next to the outline.
void assignFeature(const ShapeLayer &boundaries, std::uint32_t f, const GridRows &rows, std::uint16_t country,
                   CountryAssignment &result)
{
    const MapExtent box = boundaries.featureExtent(f);
    const auto [firstRow, endRow] = rows.between(box.bottom(), box.top(), true);
    if (firstRow >= endRow)
        return;
    std::vector<RowCrossings> crossings(endRow - firstRow);
    const auto &vertices = boundaries.vertices();
    for (std::uint32_t k = boundaries.firstPart(f); k < boundaries.endPart(f); ++k) {
        const std::uint32_t from = boundaries.partStarts()[k], to = boundaries.partStarts()[k + 1];
        for (std::uint32_t i = from, j = to - 1; i < to; j = i++) {
            const MapPoint &a = vertices[i];
            const MapPoint &b = vertices[j];
            const auto [vFirst, vEnd] = rows.between(a.y, a.y, true);
            for (std::size_t r = std::max(vFirst, firstRow); r < std::min(vEnd, endRow); ++r)
                crossings[r - firstRow].onOutline.push_back({a.x, a.x});
            if (a.y == b.y) {
                for (std::size_t r = std::max(vFirst, firstRow); r < std::min(vEnd, endRow); ++r)
                    crossings[r - firstRow].onOutline.push_back({std::min(a.x, b.x), std::max(a.x, b.x)});
                continue;
            }
            const auto [eFirst, eEnd] = rows.between(std::min(a.y, b.y), std::max(a.y, b.y), false);
            for (std::size_t r = std::max(eFirst, firstRow); r < std::min(eEnd, endRow); ++r) {
                const double y = rows.y[r];
                crossings[r - firstRow].crossings.push_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
            }
        }
    }
    for (std::size_t r = firstRow; r < endRow; ++r) {
        RowCrossings &row = crossings[r - firstRow];
        std::sort(row.crossings.begin(), row.crossings.end());
        const auto firstPoint = rows.at.begin() + rows.start[r];
        const auto endPoint = rows.at.begin() + rows.start[r + 1];
        auto p = std::lower_bound(firstPoint, endPoint, box.left(), [](const MapPoint &q, double x) { return q.x < x; });
        for (; p != endPoint && p->x <= box.right(); ++p) {
            const std::uint32_t feature = rows.order[std::size_t(p - rows.at.begin())];
            if (result.index[feature] != result.outside())
                continue;
            const auto right = std::upper_bound(row.crossings.begin(), row.crossings.end(), p->x);
            bool doubtful = (right != row.crossings.end() && near(*right, p->x)) ||
                            (right != row.crossings.begin() && near(*(right - 1), p->x));
            for (const auto &[lo, hi] : row.onOutline)
                doubtful = doubtful || (p->x >= lo && p->x <= hi) || near(p->x, lo) || near(p->x, hi);
            const bool inside = doubtful ? boundaries.featureContains(f, *p) : (row.crossings.end() - right) % 2 == 1;
            if (inside)
                result.index[feature] = country;
        }
    }
}

} // namespace

CountryAssignment CountryAssignment::compute(const ShapeLayer &grid, const ShapeLayer &boundaries)
{
    if (boundaries.shapeType() != ShapeTypePolygon)
        throw MapError(QStringLiteral("%1 holds no polygons, so grid points cannot be given a country.").arg(boundaries.path()));
    const int nameField = boundaries.attributes().indexOf(QStringLiteral("NAME"));
    if (nameField < 0)
        throw MapError(QStringLiteral("%1 has no NAME field, so its countries cannot be named.").arg(boundaries.path()));
    const AttributeColumn &names = boundaries.attributes().column(nameField);
    QStringList featureNames;
    for (std::uint32_t f = 0; f < boundaries.featureCount(); ++f)
        featureNames << names.valueText(f).trimmed();
    // A country of no name is still a country: its points are not outside.
    const QString unnamed = QStringLiteral("\u0001");
    for (QString &name : featureNames)
        if (name.isEmpty())
            name = unnamed;
    CountryAssignment result = compute(grid, boundaries, featureNames);
    if (const qsizetype at = result.names.indexOf(unnamed); at >= 0)
        result.names[at] = QString();
    return result;
}

CountryAssignment CountryAssignment::compute(const ShapeLayer &grid, const ShapeLayer &polygons, const QStringList &featureNames)
{
    if (polygons.shapeType() != ShapeTypePolygon)
        throw MapError(QStringLiteral("%1 holds no polygons, so grid points cannot be placed in them.").arg(polygons.path()));
    // Names sorted; each feature mapped to its name.
    QMap<QString, int> sorted;
    for (const QString &name : featureNames)
        if (!name.isEmpty())
            sorted.insert(name, 0);
    CountryAssignment result;
    result.names = sorted.keys();
    if (result.names.size() >= 0xFFFF)
        throw MapError(QStringLiteral("%1 has too many names.").arg(polygons.path()));

    const std::uint32_t n = grid.featureCount();
    result.index.assign(n, result.outside());
    const GridRows rows = GridRows::of(grid);
    // Features in file order, each taking the points no earlier one holds.
    for (std::uint32_t f = 0; f < polygons.featureCount() && f < featureNames.size(); ++f)
        if (!polygons.isNullShape(f) && !featureNames[f].isEmpty())
            assignFeature(polygons, f, rows, std::uint16_t(result.names.indexOf(featureNames[f])), result);
    return result;
}

std::shared_ptr<const CountryAssignment> CountryAssignment::of(const std::shared_ptr<const ShapeLayer> &grid,
                                                               const std::shared_ptr<const ShapeLayer> &boundaries)
{
    static LayerPairCache<CountryAssignment> cache;
    return cache.get(grid, boundaries, [&] { return compute(*grid, *boundaries); });
}
