#pragma once
#include "analysis/GridClimate.h"
#include "analysis/SpeciesRangeTable.h"

#include <cstdint>
#include <vector>

// The grid's climate prepared for counting species: every value replaced by
// its rank among the distinct values of its criterion (a range then becomes
// a range of ranks, compared exactly as the numbers were), points sorted by
// altitude so a species visits only the points inside its altitude range.
class SpeciesCountGrid {
public:
    explicit SpeciesCountGrid(const GridClimate &climate);

    // How many species (of the use mask, 0 for all) are suitable at each grid
    // point by the suitable-species rule; in feature order.
    std::vector<std::uint32_t> count(const SpeciesRangeTable &species, std::uint16_t useMask = 0) const;

private:
    std::vector<double> m_distinct[3];
    std::vector<std::uint32_t> m_order;     // feature of each sorted position
    std::vector<std::int32_t> m_rank[3];    // per sorted position; -1 for a blank value
};
