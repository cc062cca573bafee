#pragma once
#include "mapping/MapExtent.h"

#include <cstdint>
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
    SpatialIndex(const std::vector<double> &x, const std::vector<double> &y);

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
    std::vector<std::uint32_t> m_cellStart; // m_columns * m_rows + 1 offsets into m_items
    std::vector<std::uint32_t> m_items;
};
