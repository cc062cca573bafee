#include "cli/GridRaster.h"

#include "cli/CliCommand.h"

#include <gdal_priv.h>
#include <gdal_utils.h>
#include <ogr_spatialref.h>

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

QString LastGdalError()
{
    const QString message = QString::fromUtf8(CPLGetLastErrorMsg()).trimmed();
    return message.isEmpty() ? QCoreApplication::translate("GridRaster", "GDAL cannot read it") : message;
}

void GridDataError(const QString &message) { throw CliFailure(ExitDataError, message); }

OGRSpatialReference GeographicDegrees()
{
    OGRSpatialReference srs;
    srs.importFromEPSG(4326);
    srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    return srs;
}

std::int64_t GridFrame::columns() const { return std::int64_t(std::ceil((east - west) / step() - 1e-9)); }
std::int64_t GridFrame::rows() const { return std::int64_t(std::ceil((north - south) / step() - 1e-9)); }

namespace {

QString number(double v) { return QString::number(v, 'g', 17); }

// Arguments of GDAL's utilities as their argv.
std::vector<char *> argv(std::vector<std::string> &args)
{
    std::vector<char *> list;
    for (std::string &a : args)
        list.push_back(a.data());
    list.push_back(nullptr);
    return list;
}

// An in-memory virtual raster of `source` made as gdal_translate makes it.
GDALDataset *translated(GDALDataset *source, std::vector<std::string> args, const QString &path)
{
    args.insert(args.begin(), {"-of", "VRT", "-q"});
    GDALTranslateOptions *options = GDALTranslateOptionsNew(argv(args).data(), nullptr);
    int usageError = 0;
    GDALDatasetH out = GDALTranslate("", GDALDataset::ToHandle(source), options, &usageError);
    GDALTranslateOptionsFree(options);
    if (!out)
        GridDataError(QStringLiteral("%1: %2").arg(path, LastGdalError()));
    return GDALDataset::FromHandle(out);
}

// Values that rasters commonly store where they have no data.
bool looksLikeFill(double v) { return v == -9999 || v == -32768 || v <= -3e38; }

// Warps band 1 onto rows [row0, row0 + rows) of the frame as Float32 (NaN
// where the raster has no data).
void warpRows(GDALDataset *source, const QString &path, bool assumeGeographic, bool average, const GridFrame &frame,
              std::int64_t row0, std::int64_t rows, float *out)
{
    const double top = frame.north - double(row0) * frame.step();
    const double bottom = frame.north - double(row0 + rows) * frame.step();
    const double right = frame.west + double(frame.columns()) * frame.step();
    std::vector<std::string> args{"-of", "MEM", "-t_srs", "EPSG:4326", "-te", number(frame.west).toStdString(),
                                  number(bottom).toStdString(), number(right).toStdString(), number(top).toStdString(),
                                  "-ts", std::to_string(frame.columns()), std::to_string(rows), "-r",
                                  average ? "average" : "near", "-ot", "Float32", "-dstnodata", "nan", "-et", "0",
                                  "-wo", "NUM_THREADS=ALL_CPUS", "-q"};
    if (assumeGeographic)
        args.insert(args.end(), {"-s_srs", "EPSG:4326"});
    GDALWarpAppOptions *options = GDALWarpAppOptionsNew(argv(args).data(), nullptr);
    GDALDatasetH sources[1] = {GDALDataset::ToHandle(source)};
    int usageError = 0;
    GDALDatasetH warped = GDALWarp("", nullptr, 1, sources, options, &usageError);
    GDALWarpAppOptionsFree(options);
    if (!warped)
        GridDataError(QStringLiteral("%1: cannot sample it on the grid: %2").arg(path, LastGdalError()));
    const CPLErr read = GDALRasterIO(GDALGetRasterBand(warped, 1), GF_Read, 0, 0, int(frame.columns()), int(rows), out,
                                     int(frame.columns()), int(rows), GDT_Float32, 0, 0);
    GDALClose(warped);
    if (read != CE_None)
        GridDataError(QStringLiteral("%1: %2").arg(path, LastGdalError()));
}

} // namespace

GridRaster::GridRaster(const RasterInput &input, const char *layer) : m_input(input), m_layer(QString::fromLatin1(layer))
{
    const QString path = input.path;
    // GDAL's own paths ("/vsimem/...") and addresses are GDAL's to find.
    if (!QFileInfo::exists(path) && !path.contains(QLatin1Char(':')) && !path.startsWith(QLatin1String("/vsi")))
        GridDataError(QStringLiteral("%1: no such file (--%2)").arg(path, m_layer.toLower()));
    m_file = GDALDataset::FromHandle(GDALOpenEx(path.toUtf8().constData(), GDAL_OF_RASTER | GDAL_OF_READONLY, nullptr, nullptr, nullptr));
    if (!m_file)
        GridDataError(QStringLiteral("%1: not a raster GDAL reads: %2").arg(path, LastGdalError()));
    double gt[6];
    if (m_file->GetRasterCount() < 1 || m_file->GetGeoTransform(gt) != CE_None)
        GridDataError(QStringLiteral("%1: no georeferenced band").arg(path));
    chooseBand();
    m_degreesPerPixel = pixelDegrees();
}

GridRaster::~GridRaster()
{
    for (GDALDataset *ds : {m_mask, m_band, m_file})
        if (ds)
            GDALClose(GDALDataset::ToHandle(ds));
}

// The band to read, with the no data given on the command line; a raster of
// several bands (months, say) needs the band named.
void GridRaster::chooseBand()
{
    const int count = m_file->GetRasterCount();
    const QString option = QStringLiteral("--%1-band").arg(m_layer.toLower());
    if (m_input.band == 0 && count > 1)
        GridDataError(QStringLiteral("%1 has %2 bands; name the one to read with %3 N (1 to %2)").arg(m_input.path).arg(count).arg(option));
    if (m_input.band > count)
        GridDataError(QStringLiteral("%1 has %2 band(s), no band %3 (%4)").arg(m_input.path).arg(count).arg(m_input.band).arg(option));
    const int chosen = std::max(1, m_input.band);
    std::vector<std::string> args{"-b", std::to_string(chosen)};
    const bool undeclared = !m_input.nodata && m_file->GetRasterBand(chosen)->GetMaskFlags() == GMF_ALL_VALID;
    if (m_input.nodata)
        args.insert(args.end(), {"-a_nodata", number(*m_input.nodata).toStdString()});
    else if (undeclared && GDALDataTypeIsFloating(m_file->GetRasterBand(chosen)->GetRasterDataType()))
        args.insert(args.end(), {"-a_nodata", "nan"}); // NaN is no data wherever a raster declares nothing else
    m_band = translated(m_file, args, m_input.path);
    m_mask = translated(m_band, {"-b", "mask,1"}, m_input.path);
    if (undeclared)
        refuseUndeclaredFill();
}

// A raster that declares no value for places without data but holds a
// common fill value would give points of altitude -9999: stop before any work.
void GridRaster::refuseUndeclaredFill() const
{
    GDALRasterBand *band = m_band->GetRasterBand(1);
    double minMax[2];
    if (band->ComputeRasterMinMax(FALSE, minMax) != CE_None || !looksLikeFill(minMax[0]))
        return;
    const QString value = QString::number(minMax[0], 'g', band->GetRasterDataType() == GDT_Float32 ? 7 : 17);
    GridDataError(QStringLiteral("%1 holds the value %2, a common fill for places without data, but declares no value "
                                 "for them; if %2 marks no data, say so with --%3-nodata=%2 (nothing was written)")
                      .arg(m_input.path, value, m_layer.toLower()));
}

// The size of a pixel in degrees (at the raster's centre when projected);
// negative when the raster has no coordinate system and is taken as degrees.
double GridRaster::pixelDegrees() const
{
    double gt[6];
    m_band->GetGeoTransform(gt);
    const int width = m_band->GetRasterXSize(), height = m_band->GetRasterYSize();
    const OGRSpatialReference *srs = m_band->GetSpatialRef();
    if (!srs || srs->IsEmpty()) {
        const double x0 = gt[0], x1 = gt[0] + gt[1] * width, y0 = gt[3], y1 = gt[3] + gt[5] * height;
        const bool degrees = std::min(x0, x1) >= -180.5 && std::max(x0, x1) <= 360.5 && std::min(y0, y1) >= -90.5 && std::max(y0, y1) <= 90.5;
        if (!degrees)
            GridDataError(QStringLiteral("%1: no coordinate system, and its bounds are not degrees").arg(m_input.path));
        return -std::abs(gt[1]);
    }
    if (srs->IsGeographic())
        return std::abs(gt[1]);
    OGRSpatialReference own(*srs);
    own.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    OGRSpatialReference target = GeographicDegrees();
    std::unique_ptr<OGRCoordinateTransformation> toDegrees(OGRCreateCoordinateTransformation(&own, &target));
    const double cx = gt[0] + gt[1] * width / 2, cy = gt[3] + gt[5] * height / 2;
    double xs[2] = {cx, cx + gt[1]}, ys[2] = {cy, cy + gt[5]};
    if (!toDegrees || !toDegrees->Transform(2, xs, ys))
        GridDataError(QStringLiteral("%1: its coordinates cannot be turned into degrees: %2").arg(m_input.path, LastGdalError()));
    return std::hypot(xs[1] - xs[0], ys[1] - ys[0]) / std::sqrt(2.0);
}

QString GridRaster::describe() const
{
    const OGRSpatialReference *srs = m_file->GetSpatialRef();
    QString text = QStringLiteral("%1 from %2 (%3, %4 x %5 pixels, %6")
                       .arg(m_layer, QFileInfo(m_input.path).fileName(), QString::fromUtf8(m_file->GetDriver()->GetDescription()))
                       .arg(m_file->GetRasterXSize()).arg(m_file->GetRasterYSize())
                       .arg(srs && !srs->IsEmpty() ? QString::fromUtf8(srs->GetName()) : QStringLiteral("taken as degrees"));
    if (m_input.band > 0)
        text += QStringLiteral(", band %1").arg(m_input.band);
    if (m_input.nodata)
        text += QStringLiteral(", no data %1").arg(*m_input.nodata);
    if (m_input.scale != 1)
        text += QStringLiteral(", values times %1").arg(m_input.scale);
    if (m_input.offset != 0)
        text += QStringLiteral(", plus %1").arg(m_input.offset);
    return text + QLatin1Char(')');
}

void GridRaster::sampleRows(const GridFrame &frame, std::int64_t row0, std::int64_t rows, float *out,
                            std::vector<float> &coverage) const
{
    // As fine as the grid or finer (a thousandth's tolerance for rasters of the grid's own step).
    const bool average = std::abs(m_degreesPerPixel) <= frame.step() * 1.001;
    warpRows(m_band, m_input.path, m_degreesPerPixel < 0, average, frame, row0, rows, out);
    if (!average)
        return;
    // The mask's average is the share of the cell with data, times 255.
    const std::size_t n = std::size_t(rows * frame.columns());
    coverage.resize(n);
    warpRows(m_mask, m_input.path, m_degreesPerPixel < 0, true, frame, row0, rows, coverage.data());
    for (std::size_t k = 0; k < n; ++k)
        if (!(coverage[k] >= 127.5f * (1 - 1e-5f)))
            out[k] = std::numeric_limits<float>::quiet_NaN();
}
