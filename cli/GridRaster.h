#pragma once
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class GDALDataset;
class OGRSpatialReference;

// A regular grid in geographic degrees: the extent and the cell size.
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
    int band = 0;      // from 1; 0: the raster's only band
    std::optional<double> nodata; // the value of places without data, when the raster does not say
};

// One climate raster of the grid builder: the chosen band of a file GDAL
// reads, with its no-data value, sampled on rows of a grid. A raster finer
// than the grid, or as fine, is averaged over each cell, every pixel weighing
// by the share of the cell it covers (so that no direction is favoured when
// the cells' centres fall between pixels), and a cell has a value only where
// at least half of it has data; a coarser raster gives the value of the pixel
// at the cell's centre.
class GridRaster {
public:
    // Opens the raster; throws CliFailure (data error) naming the file and the
    // reason: no such file, several bands and none named, a fill value that
    // the raster does not declare as no data. `layer` is ALT, MAR or MAT.
    GridRaster(const RasterInput &input, const char *layer);
    ~GridRaster();
    GridRaster(const GridRaster &) = delete;
    GridRaster &operator=(const GridRaster &) = delete;

    const RasterInput &input() const { return m_input; }
    // Where the raster came from: file, format, size, coordinates, band, scale.
    QString describe() const;
    // The stored values on rows [row0, row0 + rows) of the frame, NaN where
    // the cell has no value; `coverage` is working space.
    void sampleRows(const GridFrame &frame, std::int64_t row0, std::int64_t rows, float *out,
                    std::vector<float> &coverage) const;

private:
    void chooseBand();
    void refuseUndeclaredFill() const;
    double pixelDegrees() const;

    RasterInput m_input;
    QString m_layer;
    GDALDataset *m_file = nullptr;
    GDALDataset *m_band = nullptr; // the chosen band alone, its no data declared
    GDALDataset *m_mask = nullptr; // 255 where that band has data, 0 elsewhere
    double m_degreesPerPixel = 0;  // negative: no coordinate system, taken as degrees
};

// Helpers of the grid builder's GDAL calls.
QString LastGdalError();
[[noreturn]] void GridDataError(const QString &message);
// Geographic degrees, longitude first, whatever the coordinate system's own axis order.
OGRSpatialReference GeographicDegrees();
