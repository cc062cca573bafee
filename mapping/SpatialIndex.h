#pragma once
#include "mapping/LargeArray.h"
#include "mapping/MapExtent.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

// A uniform grid over the layer's extent: each cell lists the features whose
// bounding box touches it, so a search looks at a few cells instead of every
// feature. About four features per cell; a point lies in exactly one cell.
class SpatialIndex {
public:
    SpatialIndex() = default;
    // One bounding box per feature; invalid boxes (null shapes) are left out.
    explicit SpatialIndex(const std::vector<MapExtent> &boxes);
    // One point per feature (x[i], y[i]); NaN coordinates are left out.
    SpatialIndex(std::span<const double> x, std::span<const double> y);

    // Calls visit(featureId) for every feature listed in a cell that `box`
    // touches. A feature spanning several cells may be visited more than once.
    template <typename Visit> void forEachCandidate(const MapExtent &box, Visit &&visit) const
    {
        int c0, r0, c1, r1;
        if (!cellRange(box, c0, r0, c1, r1))
            return;
        for (int r = r0; r <= r1; ++r) {
            const std::size_t rowBase = std::size_t(r) * std::size_t(m_columns);
            const std::uint32_t begin = m_cellStart[rowBase + std::size_t(c0)];
            const std::uint32_t end = m_cellStart[rowBase + std::size_t(c1) + 1];
            for (std::uint32_t i = begin; i < end; ++i)
                visit(m_items[i]);
        }
    }

    // The feature nearest to p whose distance (squared, from distance2(id))
    // is at most maxDistance, ties going to the lower feature number; false
    // when none is that near. Looks at rings of cells around p and stops
    // once a ring cannot hold anything nearer.
    template <typename Distance2>
    bool nearest(const MapPoint &p, double maxDistance, Distance2 &&distance2, std::uint32_t &found) const
    {
        if (m_cellStart.empty() || !(maxDistance >= 0))
            return false;
        const int c0 = columnOf(p.x), r0 = rowOf(p.y);
        // How far p lies outside its (clamped) cell.
        const double cellLeft = m_extent.left() + c0 * m_cellWidth;
        const double cellBottom = m_extent.bottom() + r0 * m_cellHeight;
        const double outX = std::max({0.0, cellLeft - p.x, p.x - (cellLeft + m_cellWidth)});
        const double outY = std::max({0.0, cellBottom - p.y, p.y - (cellBottom + m_cellHeight)});
        const double outside = std::sqrt(outX * outX + outY * outY);
        const double step = std::min(m_cellWidth, m_cellHeight);
        double best = maxDistance * maxDistance;
        bool any = false;
        for (int k = 0;; ++k) {
            if (k > 0) {
                // Every cell of ring k lies outside the square of rings below
                // it, and at least k - 1 cells away from p's cell.
                const double left = m_extent.left() + (c0 - k + 1) * m_cellWidth;
                const double right = m_extent.left() + (c0 + k) * m_cellWidth;
                const double bottom = m_extent.bottom() + (r0 - k + 1) * m_cellHeight;
                const double top = m_extent.bottom() + (r0 + k) * m_cellHeight;
                const double edge = std::min({p.x - left, right - p.x, p.y - bottom, top - p.y});
                const double gap = std::max(edge, (k - 1) * step - outside);
                if (gap > 0 && gap * gap > best)
                    break;
            }
            for (int r = r0 - k; r <= r0 + k; ++r) {
                if (r < 0 || r >= m_rows)
                    continue;
                const bool edgeRow = r == r0 - k || r == r0 + k;
                for (int c = c0 - k; c <= c0 + k; c += (edgeRow || k == 0) ? 1 : 2 * k) {
                    if (c < 0 || c >= m_columns)
                        continue;
                    const std::size_t cell = std::size_t(r) * std::size_t(m_columns) + std::size_t(c);
                    for (std::uint32_t i = m_cellStart[cell]; i < m_cellStart[cell + 1]; ++i) {
                        const std::uint32_t id = m_items[i];
                        const double d2 = distance2(id);
                        if (d2 < best || (d2 == best && (!any || id < found))) {
                            if (d2 <= maxDistance * maxDistance) {
                                best = d2;
                                found = id;
                                any = true;
                            }
                        }
                    }
                }
            }
            if (c0 - k <= 0 && c0 + k >= m_columns - 1 && r0 - k <= 0 && r0 + k >= m_rows - 1)
                break; // the whole grid is done
        }
        return any;
    }

    // The distinct candidates touching `box`, in ascending feature order.
    std::vector<std::uint32_t> candidates(const MapExtent &box) const;

    std::size_t memoryBytes() const;

private:
    void chooseGrid(const MapExtent &extent, std::size_t count);
    bool cellRange(const MapExtent &box, int &c0, int &r0, int &c1, int &r1) const;
    int columnOf(double x) const;
    int rowOf(double y) const;

    MapExtent m_extent;
    int m_columns = 0;
    int m_rows = 0;
    double m_cellWidth = 1;
    double m_cellHeight = 1;
    LargeArray<std::uint32_t> m_cellStart; // m_columns * m_rows + 1 offsets into m_items
    LargeArray<std::uint32_t> m_items;
};
