#include "tools/shapefiles/SyntheticGrid.h"

#include "tools/shapefiles/ClimateModel.h"
#include "mapping/GridPointWriter.h"

#include <algorithm>
#include <cmath>

void WriteSyntheticGrid(long points, const std::string &shpPath)
{
    const double west = 89, east = 146, south = -13, north = 31;
    const int columns = int(std::ceil(std::sqrt(double(points) * (east - west) / (north - south))));
    const int rows = int((points + columns - 1) / columns);
    const double dx = (east - west) / columns, dy = (north - south) / rows;
    GridPointWriter writer(shpPath);
    long written = 0;
    for (int r = 0; r < rows && written < points; ++r)
        for (int c = 0; c < columns && written < points; ++c, ++written) {
            const double x = west + (c + 0.5) * dx;
            const double y = north - (r + 0.5) * dy;
            // Ridges and basins: a few crossing waves, sea where they sum below zero.
            const double terrain = 1800 * std::sin(x * 0.35) * std::cos(y * 0.45) +
                                   1200 * std::sin(x * 1.3 + y * 0.7) + 700 * std::cos(x * 3.1 - y * 2.3) + 400;
            const double alt = std::round(std::clamp(terrain, 0.0, 6098.0));
            const double coastKm = std::clamp(terrain / 4, 0.0, 1500.0);
            const double windward = 20 * std::cos(x * 1.3 + y * 0.7);
            GridPointWriter::Point p{};
            p.x = x;
            p.y = y;
            p.alt = int(alt);
            p.mar = int(ClimateModel::meanAnnualRainfall(y, alt, coastKm, windward));
            p.mat = ClimateModel::meanAnnualTemperature(y, alt);
            p.matRange = ClimateModel::temperatureRange(y, coastKm);
            p.count = 9;
            p.value = 1 + int(written % 27);
            writer.add(p);
        }
    writer.close();
}
