#include "cli/ScenarioBuild.h"

#include "base/Error.h"
#include "cli/CliCommand.h"
#include "cli/FolderBuild.h"
#include "cli/GridBuilder.h"
#include "cli/GridFolder.h"
#include "cli/GridProgress.h"
#include "mapping/GridDataRanges.h"

#include <cpl_vsi.h>
#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

[[noreturn]] void dataError(const QString &message) { throw CliFailure(ExitDataError, message); }

int whole(double value) { return std::isnan(value) ? 0 : int(std::lround(value)); }

// The cell of each point; a point off its cell's centre means the grid was
// not built on this frame.
std::vector<std::uint32_t> cellsOf(const ShapeLayer &points, const GridFrame &frame, const QString &folder)
{
    std::vector<std::uint32_t> cells;
    const std::int64_t columns = frame.columns(), rows = frame.rows();
    for (std::uint32_t i = 0; i < points.featureCount(); ++i) {
        const double x = points.xs()[i], y = points.ys()[i];
        const std::int64_t c = std::int64_t(std::floor((x - frame.west) / frame.step())),
                           r = std::int64_t(std::floor((frame.north - y) / frame.step()));
        const double tolerance = frame.step() * 1e-6;
        if (c < 0 || c >= columns || r < 0 || r >= rows || std::abs(frame.x(c) - x) > tolerance || std::abs(frame.y(r) - y) > tolerance)
            dataError(QStringLiteral("%1: the grid's point %2 at %3, %4 is not the centre of a cell of its grid frame "
                                     "(sources.txt); nothing was written").arg(folder).arg(i + 1).arg(x, 0, 'f', 6).arg(y, 0, 'f', 6));
        cells.push_back(std::uint32_t(r * columns + c));
    }
    return cells;
}

// The grid's altitudes as a raster on its frame, no data off its points, in
// GDAL's memory files: the builder's altitude, so that it keeps no cell the
// grid does not have.
class AltitudeRaster {
public:
    explicit AltitudeRaster(const ScenarioBase &grid)
        : m_path(QStringLiteral("/vsimem/silvaria-grid-altitude-%1.tif").arg(quintptr(this), 0, 16))
    {
        const GridFrame &f = grid.frame;
        const std::int64_t columns = f.columns(), rows = f.rows();
        std::vector<float> values(std::size_t(columns * rows), std::numeric_limits<float>::quiet_NaN());
        const AttributeColumn &alt = grid.points->attributes().column(grid.points->attributes().indexOf(QStringLiteral("ALT")));
        for (std::size_t i = 0; i < grid.cells.size(); ++i)
            values[grid.cells[i]] = float(alt.number(std::uint32_t(i)));
        GDALAllRegister();
        GDALDriver *gtiff = GetGDALDriverManager()->GetDriverByName("GTiff");
        std::unique_ptr<GDALDataset> raster(gtiff->Create(m_path.toUtf8().constData(), int(columns), int(rows), 1, GDT_Float32, nullptr));
        double gt[6] = {f.west, f.step(), 0, f.north, 0, -f.step()};
        const OGRSpatialReference degrees = GeographicDegrees();
        if (!raster || raster->SetGeoTransform(gt) != CE_None || raster->SetSpatialRef(&degrees) != CE_None
            || raster->GetRasterBand(1)->SetNoDataValue(std::nan("")) != CE_None
            || raster->GetRasterBand(1)->RasterIO(GF_Write, 0, 0, int(columns), int(rows), values.data(), int(columns),
                                                  int(rows), GDT_Float32, 0, 0) != CE_None)
            dataError(QStringLiteral("cannot hold the grid's altitudes in memory: %1").arg(LastGdalError()));
    }
    ~AltitudeRaster() { VSIUnlink(m_path.toUtf8().constData()); }
    AltitudeRaster(const AltitudeRaster &) = delete;
    AltitudeRaster &operator=(const AltitudeRaster &) = delete;
    const QString &path() const { return m_path; }

private:
    QString m_path;
};

// For each point of the grid, its sample; refuses when a point has none.
std::vector<std::size_t> samplesOfPoints(const ScenarioBase &grid, const SampledGrid &sample, const QString &source)
{
    std::vector<std::size_t> at(grid.cells.size());
    std::size_t missing = 0, first = 0;
    for (std::size_t i = 0; i < grid.cells.size(); ++i) {
        const auto found = std::lower_bound(sample.cell.begin(), sample.cell.end(), grid.cells[i]);
        if (found == sample.cell.end() || *found != grid.cells[i])
            first = missing++ ? first : i;
        else
            at[i] = std::size_t(found - sample.cell.begin());
    }
    if (missing > 0)
        dataError(QStringLiteral("the scenario's points would differ from its grid's: %1 of the grid's %2 points have no "
                                 "value in %3 (the first at %4, %5); nothing was written")
                      .arg(missing).arg(grid.cells.size()).arg(source)
                      .arg(grid.points->xs()[first], 0, 'f', 4).arg(grid.points->ys()[first], 0, 'f', 4));
    return at;
}

void writeScenarioSources(const FolderBuild &folder, const ScenarioBase &grid, const ScenarioRequest &request,
                          const GridRanges &ranges)
{
    QString sources = QStringLiteral("# The climate of a scenario on the points of the grid two folders up, one \"key = text\"\n"
                                     "# a line; its cells and data ranges. Written by silvaria-cli on %1.\n")
                          .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    sources += QStringLiteral("pasia_canvas = %1\n").arg(request.source);
    for (const QString &note : request.notes)
        sources += note + QLatin1Char('\n');
    sources += GridFrameLine(grid.frame) + QLatin1Char('\n') + GridRangesText(ranges);
    WriteGridText(folder.filePath(QStringLiteral("sources.txt")), sources);
}

} // namespace

ScenarioBase ReadScenarioBase(const QString &gridFolder)
{
    const QString shp = QDir(gridFolder).filePath(QStringLiteral("pasia_canvas.shp"));
    if (!QFileInfo::exists(shp))
        dataError(QStringLiteral("%1 holds no grid (pasia_canvas.shp): fetch the current grid into it first; nothing was written").arg(gridFolder));
    QFile sources(QDir(gridFolder).filePath(QStringLiteral("sources.txt")));
    const std::optional<GridFrame> frame =
        ParseGridFrame(sources.open(QIODevice::ReadOnly) ? QString::fromUtf8(sources.read(1 << 20)) : QString());
    if (!frame)
        dataError(QStringLiteral("%1: its sources.txt gives no grid frame, so a scenario cannot be put on its points (the "
                                 "bundled grid gives none): fetch the current grid first; nothing was written").arg(gridFolder));
    ScenarioBase base{gridFolder, *frame, nullptr, {}};
    try {
        base.points = ShapeLayer::read(shp);
    } catch (const Error &e) {
        dataError(e.message());
    }
    const AttributeTable &fields = base.points->attributes();
    if (!base.points->hasPointArrays() || fields.indexOf(QStringLiteral("ALT")) < 0 || fields.indexOf(QStringLiteral("VALUE")) < 0)
        dataError(QStringLiteral("%1: not a point grid with ALT and VALUE; nothing was written").arg(shp));
    base.cells = cellsOf(*base.points, base.frame, gridFolder);
    return base;
}

std::size_t BuildScenarioFolder(const ScenarioBase &grid, const ScenarioRequest &request)
{
    const AltitudeRaster altitude(grid);
    const RasterInput inputs[3] = {{altitude.path(), 1, 0, 0, std::nullopt}, request.mar, request.mat};
    GridBuilder builder(grid.frame, inputs);
    GridProgressLine(QStringLiteral("sampling the scenario on the %1 points of %2").arg(grid.cells.size()).arg(grid.folder));
    const SampledGrid sample = builder.sample({});
    const std::vector<std::size_t> at = samplesOfPoints(grid, sample, request.mar.path);
    FolderBuild folder(QDir(grid.folder).filePath(QStringLiteral("scenarios/") + request.name));
    const AttributeTable &fields = grid.points->attributes();
    const AttributeColumn &alt = fields.column(fields.indexOf(QStringLiteral("ALT"))),
                          &country = fields.column(fields.indexOf(QStringLiteral("VALUE")));
    const GridRanges ranges = WriteGridPoints(folder, at.size(), [&](std::size_t i) {
        const auto row = std::uint32_t(i);
        return GridPointWriter::Point{grid.points->xs()[i], grid.points->ys()[i], whole(alt.number(row)),
                                      sample.mar[at[i]], double(sample.mat[at[i]]), std::nan(""), -1,
                                      whole(country.number(row))};
    });
    WriteGridFormatFiles(folder);
    writeScenarioSources(folder, grid, request, ranges);
    folder.commit();
    GridProgressLine(QStringLiteral("done: %1 points in %2").arg(at.size()).arg(QDir(grid.folder).filePath(QStringLiteral("scenarios/") + request.name)));
    return at.size();
}
