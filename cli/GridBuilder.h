#pragma once
#include "cli/GridRaster.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class OGRGeometry;

// Builds a point grid from three climate rasters with GDAL: the value of each
// raster over every cell of a regular grid in geographic degrees (reprojected
// when a raster is in other coordinates; see GridRaster for how a cell's value
// is taken), keeping the cells where all three have a value.
// GDAL is linked into silvaria-cli only, never into the desktop program.

// The land cells, row by row from the north-west.
struct SampledGrid {
    GridFrame frame;
    std::vector<std::uint32_t> cell; // row * columns + column
    std::vector<std::int32_t> alt, mar;
    std::vector<float> mat;          // one decimal
    std::vector<std::int32_t> country; // feature number from 1, 0 outside
    std::size_t size() const { return cell.size(); }
};

class GridBuilder {
public:
    // Opens the three rasters (ALT, MAR, MAT); throws CliFailure (data error)
    // naming the file and the reason.
    GridBuilder(const GridFrame &frame, const RasterInput inputs[3]);
    ~GridBuilder();
    GridBuilder(const GridBuilder &) = delete;
    GridBuilder &operator=(const GridBuilder &) = delete;

    // Where each raster came from: file, format, size, coordinates, scale.
    QString describe(int layer) const { return m_rasters[layer]->describe(); }

    // Writes the boundaries of `countriesSource` (any OGR source; the name from
    // `nameField`) clipped to the frame and simplified to a tenth of a cell
    // (so that no point's country changes), as a shapefile with the field NAME;
    // later samples number the countries by these features. Throws CliFailure.
    int writeCountries(const QString &countriesSource, const QString &nameField, const QString &shpPath);

    // Numbers the points by the polygons of an existing boundary shapefile
    // (the one a folder keeps when no new boundaries are given).
    void numberByCountries(const QString &shpPath);

    // Samples every cell; `progress` gets the share done (0..1). Throws
    // CliFailure when a value looks like another unit.
    SampledGrid sample(const std::function<void(double)> &progress);

private:
    void placeInCountries(std::int64_t row0, std::int64_t rows, std::vector<std::int32_t> &countries) const;
    void keepLand(std::int64_t row0, std::int64_t rows, const std::vector<float> values[3],
                  const std::vector<std::int32_t> &countries, SampledGrid &grid) const;

    GridFrame m_frame;
    std::unique_ptr<GridRaster> m_rasters[3];
    std::vector<std::unique_ptr<OGRGeometry>> m_countries; // in degrees, in file order
};
