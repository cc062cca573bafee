#include "mapping/SpatialIndex.h"

#include <algorithm>
#include <cmath>

void SpatialIndex::chooseGrid(const MapExtent &extent, std::size_t count)
{
    m_extent = extent;
    const double w = std::max(extent.width(), 1e-12);
    const double h = std::max(extent.height(), 1e-12);
    const double cells = std::clamp(double(count) / 4.0, 1.0, 16.0e6);
    // Square-ish cells: columns / rows follows the width / height ratio.
    double columns = std::sqrt(cells * w / h);
    double rows = cells / std::max(columns, 1.0);
    m_columns = int(std::clamp(std::round(columns), 1.0, 65535.0));
    m_rows = int(std::clamp(std::round(rows), 1.0, 65535.0));
    m_cellWidth = w / m_columns;
    m_cellHeight = h / m_rows;
}

int SpatialIndex::columnOf(double x) const
{
    const double c = std::floor((x - m_extent.left()) / m_cellWidth);
    return int(std::clamp(c, 0.0, double(m_columns - 1)));
}

int SpatialIndex::rowOf(double y) const
{
    const double r = std::floor((y - m_extent.bottom()) / m_cellHeight);
    return int(std::clamp(r, 0.0, double(m_rows - 1)));
}

SpatialIndex::SpatialIndex(const std::vector<MapExtent> &boxes)
{
    MapExtent extent;
    std::size_t valid = 0;
    for (const MapExtent &box : boxes)
        if (box.isValid()) {
            extent.include(box);
            ++valid;
        }
    if (valid == 0)
        return;
    chooseGrid(extent, valid);
    const std::size_t cellCount = std::size_t(m_columns) * std::size_t(m_rows);
    LargeArray<std::uint32_t> counts(cellCount + 1, 0);
    for (const MapExtent &box : boxes) {
        if (!box.isValid())
            continue;
        for (int r = rowOf(box.bottom()); r <= rowOf(box.top()); ++r)
            for (int c = columnOf(box.left()); c <= columnOf(box.right()); ++c)
                ++counts[std::size_t(r) * std::size_t(m_columns) + std::size_t(c) + 1];
    }
    for (std::size_t i = 1; i <= cellCount; ++i)
        counts[i] += counts[i - 1];
    m_cellStart = counts;
    m_items.resize(counts[cellCount]);
    for (std::uint32_t id = 0; id < boxes.size(); ++id) {
        const MapExtent &box = boxes[id];
        if (!box.isValid())
            continue;
        for (int r = rowOf(box.bottom()); r <= rowOf(box.top()); ++r)
            for (int c = columnOf(box.left()); c <= columnOf(box.right()); ++c)
                m_items[counts[std::size_t(r) * std::size_t(m_columns) + std::size_t(c)]++] = id;
    }
}

SpatialIndex::SpatialIndex(std::span<const double> x, std::span<const double> y)
{
    MapExtent extent;
    std::size_t valid = 0;
    for (std::size_t i = 0; i < x.size(); ++i)
        if (!std::isnan(x[i]) && !std::isnan(y[i])) {
            extent.include(MapPoint{x[i], y[i]});
            ++valid;
        }
    if (valid == 0)
        return;
    chooseGrid(extent, valid);
    const std::size_t cellCount = std::size_t(m_columns) * std::size_t(m_rows);
    LargeArray<std::uint32_t> counts(cellCount + 1, 0);
    for (std::size_t i = 0; i < x.size(); ++i)
        if (!std::isnan(x[i]) && !std::isnan(y[i]))
            ++counts[std::size_t(rowOf(y[i])) * std::size_t(m_columns) + std::size_t(columnOf(x[i])) + 1];
    for (std::size_t i = 1; i <= cellCount; ++i)
        counts[i] += counts[i - 1];
    m_cellStart = counts;
    m_items.resize(valid);
    for (std::uint32_t i = 0; i < x.size(); ++i)
        if (!std::isnan(x[i]) && !std::isnan(y[i]))
            m_items[counts[std::size_t(rowOf(y[i])) * std::size_t(m_columns) + std::size_t(columnOf(x[i]))]++] = i;
}

bool SpatialIndex::cellRange(const MapExtent &box, int &c0, int &r0, int &c1, int &r1) const
{
    if (m_cellStart.empty() || !box.isValid() || !box.intersects(m_extent))
        return false;
    c0 = columnOf(box.left());
    c1 = columnOf(box.right());
    r0 = rowOf(box.bottom());
    r1 = rowOf(box.top());
    return true;
}

std::vector<std::uint32_t> SpatialIndex::candidates(const MapExtent &box) const
{
    std::vector<std::uint32_t> ids;
    forEachCandidate(box, [&](std::uint32_t id) { ids.push_back(id); });
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

std::size_t SpatialIndex::memoryBytes() const
{
    return (m_cellStart.capacity() + m_items.capacity()) * sizeof(std::uint32_t);
}
