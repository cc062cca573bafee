#include "analysis/SpeciesCount.h"

#include <algorithm>
#include <cmath>
#include <numeric>

SpeciesCountGrid::SpeciesCountGrid(const GridClimate &climate)
{
    const std::size_t n = climate.size();
    std::vector<std::int32_t> rank[3];
    for (int c = 0; c < 3; ++c) {
        auto &distinct = m_distinct[c];
        for (double v : climate.engine[c])
            if (!std::isnan(v))
                distinct.push_back(v);
        std::sort(distinct.begin(), distinct.end());
        distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
        rank[c].resize(n);
        for (std::size_t i = 0; i < n; ++i) {
            const double v = climate.engine[c][i];
            rank[c][i] = std::isnan(v) ? -1
                                       : std::int32_t(std::lower_bound(distinct.begin(), distinct.end(), v) - distinct.begin());
        }
    }
    m_order.resize(n);
    std::iota(m_order.begin(), m_order.end(), 0u);
    std::stable_sort(m_order.begin(), m_order.end(), [&](std::uint32_t a, std::uint32_t b) { return rank[0][a] < rank[0][b]; });
    for (int c = 0; c < 3; ++c) {
        m_rank[c].resize(n);
        for (std::size_t i = 0; i < n; ++i)
            m_rank[c][i] = rank[c][m_order[i]];
    }
}

std::vector<std::uint32_t> SpeciesCountGrid::count(const SpeciesRangeTable &species, std::uint16_t useMask) const
{
    const std::size_t n = m_order.size();
    std::vector<std::uint32_t> sortedCounts(n, 0);
    for (const SpeciesRangeRow &row : species.rows) {
        if (row.hasNull || (useMask && !(row.useMask & useMask)))
            continue;
        std::int32_t lo[3], hi[3];
        bool empty = false;
        for (int c = 0; c < 3; ++c) {
            const auto &d = m_distinct[c];
            lo[c] = std::int32_t(std::lower_bound(d.begin(), d.end(), row.min[c]) - d.begin());
            hi[c] = std::int32_t(std::upper_bound(d.begin(), d.end(), row.max[c]) - d.begin()) - 1;
            empty = empty || lo[c] > hi[c];
        }
        if (empty)
            continue;
        const auto &alt = m_rank[0];
        const std::size_t begin = std::size_t(std::lower_bound(alt.begin(), alt.end(), lo[0]) - alt.begin());
        const std::size_t end = std::size_t(std::upper_bound(alt.begin(), alt.end(), hi[0]) - alt.begin());
        const std::int32_t *mar = m_rank[1].data(), *mat = m_rank[2].data();
        const std::uint32_t marLo = std::uint32_t(lo[1]), marWidth = std::uint32_t(hi[1] - lo[1]);
        const std::uint32_t matLo = std::uint32_t(lo[2]), matWidth = std::uint32_t(hi[2] - lo[2]);
        std::uint32_t *out = sortedCounts.data();
        // One unsigned comparison per criterion tests lo <= rank <= hi (a blank's -1 wraps above).
        for (std::size_t i = begin; i < end; ++i)
            out[i] += std::uint32_t(std::uint32_t(mar[i]) - marLo <= marWidth) & std::uint32_t(std::uint32_t(mat[i]) - matLo <= matWidth);
    }
    std::vector<std::uint32_t> counts(n);
    for (std::size_t i = 0; i < n; ++i)
        counts[m_order[i]] = sortedCounts[i];
    return counts;
}
