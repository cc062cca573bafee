#include "analysis/SuitableArea.h"

AreaTable SumAreas(const std::vector<const std::vector<std::uint32_t> *> &classes, const GridCells &cells,
                   const CountryAssignment &countries)
{
    const std::size_t rowCount = std::size_t(countries.names.size()) + 1; // the last row: outside
    const std::size_t k = classes.size();
    std::vector<double> sums(rowCount * k, 0.0), land(rowCount, 0.0);
    for (std::size_t i = 0; i < cells.areaKm2.size(); ++i)
        land[countries.index[i]] += cells.areaKm2[i];
    for (std::size_t c = 0; c < k; ++c)
        for (std::uint32_t point : *classes[c])
            sums[countries.index[point] * k + c] += cells.areaKm2[point];

    AreaTable table;
    table.total = {QStringLiteral("total"), std::vector<double>(k, 0.0), 0};
    for (std::size_t r = 0; r < rowCount; ++r) {
        AreaRow row{r + 1 < rowCount ? countries.names[int(r)] : OutsideBoundariesText(),
                    std::vector<double>(sums.begin() + std::ptrdiff_t(r * k), sums.begin() + std::ptrdiff_t((r + 1) * k)),
                    land[r]};
        for (std::size_t c = 0; c < k; ++c)
            table.total.km2[c] += row.km2[c];
        table.total.landKm2 += row.landKm2;
        if (r + 1 == rowCount)
            table.outside = std::move(row);
        else if (row.landKm2 > 0)
            table.countries.push_back(std::move(row));
    }
    return table;
}
