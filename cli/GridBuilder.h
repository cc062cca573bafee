#pragma once
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

// Builds a point grid from three climate rasters with GDAL: the value of each
// raster at the centre of every cell of a regular grid in geographic degrees
// (reprojected when a raster is in other coordinates, averaged when a raster
// is finer than the grid), keeping the cells where all three have a value.
// GDAL is linked into silvaria-cli only, never into the desktop program.

struct GridFrame {
    double west = 0, south = 0, east = 0, north = 0;
    double stepMinutes = 0;
    double step() const { return stepMinutes / 60.0; }
    std::int64_t columns() const;
    std::int64_t rows() const;
    // The centre of a cell, rows counted from the north.
    double x(std::int64_t column) const { return west + (double(column) + 0.5) * step(); }
    double y(std::int64_t row) const { return north - (double(row) + 0.5) * step(); }
};

struct RasterInput {
    QString path;
    double scale = 1;  // stored value times scale, plus offset, gives the unit
    double offset = 0; // -273.15 for kelvin
};

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
    QString describe(int layer) const;

    // Writes the boundaries of `countriesSource` (any OGR source; the name from
    // `nameField`) clipped to the frame and simplified to half a cell, as a
    // shapefile with the field NAME; later samples number the countries by
    // these features. Throws CliFailure.
    int writeCountries(const QString &countriesSource, const QString &nameField, const QString &shpPath);

    // Numbers the points by the polygons of an existing boundary shapefile
    // (the one a folder keeps when no new boundaries are given).
    void numberByCountries(const QString &shpPath);

    // Samples every cell; `progress` gets the share done (0..1). Throws
    // CliFailure when a value looks like another unit.
    SampledGrid sample(const std::function<void(double)> &progress);

private:
    GridFrame m_frame;
    RasterInput m_inputs[3];
    void *m_datasets[3] = {};
    double m_degreesPerPixel[3] = {};
    void *m_countries = nullptr; // in-memory OGR dataset of the written boundaries
};
