#include "analysis/GridLattice.h"
#include "cli/CliCommand.h"
#include "cli/GdalOutputFile.h"
#include "cli/GisOutput.h"
#include "cli/GridRaster.h"
#include "mapping/GridLayers.h"
#include "mapping/MapError.h"
#include "mapping/ShapeLayer.h"

#include <QCoreApplication>

#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include <algorithm>
#include <climits>
#include <memory>

namespace {

// A raster larger than this many cells (a few GB of pixels) is refused.
constexpr double MaxCells = 4e9;

GridLattice latticeOf(const ShapeLayer &grid)
{
    try {
        const GridLattice lattice = GridLattice::of(grid.xs(), grid.ys(), grid.path());
        if (double(lattice.columns) * double(lattice.rows) > MaxCells || lattice.columns > INT_MAX || lattice.rows > INT_MAX)
            throw MapError(QStringLiteral("%1: its lattice of %2 by %3 cells is too large for one raster.")
                               .arg(grid.path()).arg(lattice.columns).arg(lattice.rows));
        return lattice;
    } catch (const MapError &e) {
        throw CliFailure(ExitDataError, e.message());
    }
}

// The colours and names of the numbers, and the sea's colour for no data.
void describeBand(GDALRasterBand *band, const GridValues &values, int nodata)
{
    band->SetDescription(values.field.toUtf8().constData());
    band->SetNoDataValue(nodata);
    GDALColorTable table;
    const auto entry = [&table](int at, const QColor &c) {
        const GDALColorEntry rgba{short(c.red()), short(c.green()), short(c.blue()), 255};
        table.SetColorEntry(at, &rgba);
    };
    entry(nodata, MapBackColour);
    CPLStringList names;
    for (std::size_t v = 0; v < values.classes.size(); ++v) {
        entry(int(v), values.classes[v].colour);
        names.AddString(values.classes[v].name.toUtf8().constData());
    }
    band->SetColorTable(&table);
    band->SetCategoryNames(names.List());
}

// The numbers row by row from the north, no data where no point lies.
void writeCells(GDALRasterBand *band, const GridLattice &lattice, const std::vector<std::uint32_t> &values, int nodata,
                const GdalOutputFile &out)
{
    std::vector<std::pair<std::int64_t, std::uint32_t>> byCell; // cell, point
    for (std::uint32_t p = 0; p < lattice.cell.size(); ++p)
        if (lattice.cell[p] >= 0)
            byCell.push_back({lattice.cell[p], p});
    std::sort(byCell.begin(), byCell.end());
    std::vector<std::uint16_t> row(std::size_t(lattice.columns));
    auto next = byCell.begin();
    for (std::int64_t r = 0; r < lattice.rows; ++r) {
        std::fill(row.begin(), row.end(), std::uint16_t(nodata));
        for (; next != byCell.end() && next->first < (r + 1) * lattice.columns; ++next)
            row[std::size_t(next->first - r * lattice.columns)] = std::uint16_t(values[next->second]);
        out.check(band->RasterIO(GF_Write, 0, int(r), int(lattice.columns), 1, row.data(), int(lattice.columns), 1,
                                 GDT_UInt16, 0, 0) == CE_None);
    }
}

} // namespace

void WriteGeoTiff(const ShapeLayer &grid, const GisMap &map, const QString &path)
{
    const GridLattice lattice = latticeOf(grid);
    if (map.values.classes.size() >= 0xFFFF)
        throw CliFailure(ExitDataError, QCoreApplication::translate("GeoTiffOutput", "%1: too many values for one band").arg(path));
    const bool wide = map.values.classes.size() >= 0xFF;
    const int nodata = wide ? 0xFFFF : 0xFF;
    GdalOutputFile out(path);
    CPLStringList options;
    options.SetNameValue("COMPRESS", "DEFLATE");
    GDALDatasetUniquePtr tiff(out.create("GTiff", int(lattice.columns), int(lattice.rows), 1,
                                                            wide ? GDT_UInt16 : GDT_Byte, options.List()));
    double transform[6] = {lattice.west, lattice.stepX, 0, lattice.north, 0, -lattice.stepY};
    tiff->SetGeoTransform(transform);
    const OGRSpatialReference degrees = GeographicDegrees();
    tiff->SetSpatialRef(&degrees);
    tiff->SetMetadataItem("TIFFTAG_IMAGEDESCRIPTION", map.title.toUtf8().constData());
    SetStampMetadata(tiff.get(), map.stamp);
    describeBand(tiff->GetRasterBand(1), map.values, nodata);
    writeCells(tiff->GetRasterBand(1), lattice, map.values.values, nodata, out);
    tiff.reset();
    out.commit();
}
