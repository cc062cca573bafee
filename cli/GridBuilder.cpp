#include "cli/GridBuilder.h"

#include "cli/CliCommand.h"

#include <gdal.h>
#include <gdal_alg.h>
#include <gdal_utils.h>
#include <ogr_spatialref.h>
#include <ogrsf_frmts.h>

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

namespace {

const char *const LayerNames[3] = {"ALT", "MAR", "MAT"};

QString lastGdalError()
{
    const QString message = QString::fromUtf8(CPLGetLastErrorMsg()).trimmed();
    return message.isEmpty() ? QStringLiteral("GDAL cannot read it") : message;
}

[[noreturn]] void dataError(const QString &message) { throw CliFailure(ExitDataError, message); }

QString number(double v) { return QString::number(v, 'g', 17); }

// Geographic degrees, longitude first, whatever the coordinate system's own axis order.
OGRSpatialReference geographic()
{
    OGRSpatialReference srs;
    srs.importFromEPSG(4326);
    srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    return srs;
}

GDALDataset *dataset(void *handle) { return static_cast<GDALDataset *>(handle); }

// Warps one raster onto rows [row0, row0 + rows) of the frame as Float32
// (NaN where the raster has no data).
void warpRows(GDALDataset *source, bool assumeGeographic, bool average, const GridFrame &frame, std::int64_t row0,
              std::int64_t rows, float *out)
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
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    GDALWarpAppOptions *options = GDALWarpAppOptionsNew(argv.data(), nullptr);
    GDALDatasetH sources[1] = {GDALDataset::ToHandle(source)};
    int usageError = 0;
    GDALDatasetH warped = GDALWarp("", nullptr, 1, sources, options, &usageError);
    GDALWarpAppOptionsFree(options);
    if (!warped)
        dataError(QStringLiteral("%1: cannot sample it on the grid: %2").arg(QString::fromUtf8(source->GetDescription()), lastGdalError()));
    const CPLErr read = GDALRasterIO(GDALGetRasterBand(warped, 1), GF_Read, 0, 0, int(frame.columns()), int(rows), out,
                                     int(frame.columns()), int(rows), GDT_Float32, 0, 0);
    GDALClose(warped);
    if (read != CE_None)
        dataError(QStringLiteral("%1: %2").arg(QString::fromUtf8(source->GetDescription()), lastGdalError()));
}

} // namespace

std::int64_t GridFrame::columns() const { return std::int64_t(std::ceil((east - west) / step() - 1e-9)); }
std::int64_t GridFrame::rows() const { return std::int64_t(std::ceil((north - south) / step() - 1e-9)); }

GridBuilder::GridBuilder(const GridFrame &frame, const RasterInput inputs[3]) : m_frame(frame)
{
    GDALAllRegister();
    // Errors are reported by the program with the file's name, not printed by GDAL.
    CPLPushErrorHandler(CPLQuietErrorHandler);
    for (int i = 0; i < 3; ++i) {
        m_inputs[i] = inputs[i];
        const QString path = inputs[i].path;
        if (!QFileInfo::exists(path) && !path.contains(QLatin1Char(':')))
            dataError(QStringLiteral("%1: no such file (--%2)").arg(path, QString::fromLatin1(LayerNames[i]).toLower()));
        auto *ds = static_cast<GDALDataset *>(GDALOpenEx(path.toUtf8().constData(), GDAL_OF_RASTER | GDAL_OF_READONLY, nullptr, nullptr, nullptr));
        if (!ds)
            dataError(QStringLiteral("%1: not a raster GDAL reads: %2").arg(path, lastGdalError()));
        m_datasets[i] = ds;
        double gt[6];
        if (ds->GetRasterCount() < 1 || ds->GetGeoTransform(gt) != CE_None)
            dataError(QStringLiteral("%1: no georeferenced band").arg(path));
        const OGRSpatialReference *srs = ds->GetSpatialRef();
        if (!srs || srs->IsEmpty()) {
            const double x0 = gt[0], x1 = gt[0] + gt[1] * ds->GetRasterXSize(), y0 = gt[3], y1 = gt[3] + gt[5] * ds->GetRasterYSize();
            const bool degrees = std::min(x0, x1) >= -180.5 && std::max(x0, x1) <= 360.5 && std::min(y0, y1) >= -90.5 && std::max(y0, y1) <= 90.5;
            if (!degrees)
                dataError(QStringLiteral("%1: no coordinate system, and its bounds are not degrees").arg(path));
            m_degreesPerPixel[i] = -std::abs(gt[1]); // negative: no coordinate system, taken as degrees
        } else if (srs->IsGeographic()) {
            m_degreesPerPixel[i] = std::abs(gt[1]);
        } else {
            // The size of a pixel at the raster's centre, in degrees of latitude.
            OGRSpatialReference own(*srs);
            own.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
            OGRSpatialReference target = geographic();
            std::unique_ptr<OGRCoordinateTransformation> toDegrees(OGRCreateCoordinateTransformation(&own, &target));
            const double cx = gt[0] + gt[1] * ds->GetRasterXSize() / 2, cy = gt[3] + gt[5] * ds->GetRasterYSize() / 2;
            double xs[2] = {cx, cx + gt[1]}, ys[2] = {cy, cy + gt[5]};
            if (!toDegrees || !toDegrees->Transform(2, xs, ys))
                dataError(QStringLiteral("%1: its coordinates cannot be turned into degrees: %2").arg(path, lastGdalError()));
            m_degreesPerPixel[i] = std::hypot(xs[1] - xs[0], ys[1] - ys[0]) / std::sqrt(2.0);
        }
    }
}

GridBuilder::~GridBuilder()
{
    for (void *ds : m_datasets)
        if (ds)
            GDALClose(GDALDataset::ToHandle(dataset(ds)));
    if (m_countries)
        GDALClose(GDALDataset::ToHandle(dataset(m_countries)));
    CPLPopErrorHandler();
}

QString GridBuilder::describe(int layer) const
{
    GDALDataset *ds = dataset(m_datasets[layer]);
    const OGRSpatialReference *srs = ds->GetSpatialRef();
    QString text = QStringLiteral("%1 from %2 (%3, %4 x %5 pixels, %6")
                       .arg(QLatin1String(LayerNames[layer]), QFileInfo(m_inputs[layer].path).fileName(),
                            QString::fromUtf8(ds->GetDriver()->GetDescription()))
                       .arg(ds->GetRasterXSize()).arg(ds->GetRasterYSize())
                       .arg(srs && !srs->IsEmpty() ? QString::fromUtf8(srs->GetName()) : QStringLiteral("taken as degrees"));
    if (m_inputs[layer].scale != 1)
        text += QStringLiteral(", values times %1").arg(m_inputs[layer].scale);
    if (m_inputs[layer].offset != 0)
        text += QStringLiteral(", plus %1").arg(m_inputs[layer].offset);
    return text + QLatin1Char(')');
}

int GridBuilder::writeCountries(const QString &source, const QString &nameField, const QString &shpPath)
{
    std::unique_ptr<GDALDataset> in(static_cast<GDALDataset *>(
        GDALOpenEx(source.toUtf8().constData(), GDAL_OF_VECTOR | GDAL_OF_READONLY, nullptr, nullptr, nullptr)));
    if (!in || in->GetLayerCount() < 1)
        dataError(QStringLiteral("%1: not a vector source GDAL reads: %2").arg(source, lastGdalError()));
    OGRLayer *layer = in->GetLayer(0);
    const int nameIndex = layer->GetLayerDefn()->GetFieldIndex(nameField.toUtf8().constData());
    if (nameIndex < 0) {
        QStringList fields;
        for (int f = 0; f < layer->GetLayerDefn()->GetFieldCount(); ++f)
            fields << QString::fromUtf8(layer->GetLayerDefn()->GetFieldDefn(f)->GetNameRef());
        dataError(QStringLiteral("%1: no field \"%2\" for the country name (--name-field); its fields: %3")
                      .arg(source, nameField, fields.join(QStringLiteral(", "))));
    }
    OGRSpatialReference target = geographic();
    std::unique_ptr<OGRCoordinateTransformation> toDegrees;
    if (const OGRSpatialReference *own = layer->GetSpatialRef(); own && !own->IsEmpty()) {
        OGRSpatialReference from(*own);
        from.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
        toDegrees.reset(OGRCreateCoordinateTransformation(&from, &target));
        if (!toDegrees)
            dataError(QStringLiteral("%1: its coordinates cannot be turned into degrees: %2").arg(source, lastGdalError()));
    }
    OGREnvelope frameBox;
    frameBox.MinX = m_frame.west;
    frameBox.MaxX = m_frame.west + double(m_frame.columns()) * m_frame.step();
    frameBox.MaxY = m_frame.north;
    frameBox.MinY = m_frame.north - double(m_frame.rows()) * m_frame.step();
    OGRPolygon clip;
    {
        OGRLinearRing ring;
        ring.addPoint(frameBox.MinX, frameBox.MinY);
        ring.addPoint(frameBox.MaxX, frameBox.MinY);
        ring.addPoint(frameBox.MaxX, frameBox.MaxY);
        ring.addPoint(frameBox.MinX, frameBox.MaxY);
        ring.addPoint(frameBox.MinX, frameBox.MinY);
        clip.addRing(&ring);
    }

    GDALDriver *memory = GetGDALDriverManager()->GetDriverByName("Memory");
    GDALDriver *shapefile = GetGDALDriverManager()->GetDriverByName("ESRI Shapefile");
    GDALDataset *kept = memory->Create("countries", 0, 0, 0, GDT_Unknown, nullptr);
    m_countries = kept;
    OGRLayer *keptLayer = kept->CreateLayer("countries", &target, wkbMultiPolygon, nullptr);
    OGRFieldDefn nameDefn("NAME", OFTString);
    nameDefn.SetWidth(80);
    OGRFieldDefn numberDefn("NUM", OFTInteger);
    keptLayer->CreateField(&nameDefn);
    keptLayer->CreateField(&numberDefn);

    int count = 0;
    layer->ResetReading();
    for (auto &feature : *layer) {
        const OGRGeometry *geometry = feature->GetGeometryRef();
        if (!geometry || geometry->IsEmpty())
            continue;
        std::unique_ptr<OGRGeometry> g(geometry->clone());
        if (toDegrees && g->transform(toDegrees.get()) != OGRERR_NONE)
            continue; // wholly outside the range of geographic coordinates
        OGREnvelope box;
        g->getEnvelope(&box);
        if (!box.Intersects(frameBox))
            continue;
        if (!g->IsValid())
            g.reset(g->MakeValid());
        if (!g)
            continue;
        if (!frameBox.Contains(box))
            g.reset(g->Intersection(&clip));
        if (g)
            g.reset(g->SimplifyPreserveTopology(m_frame.step() / 2));
        if (!g || g->IsEmpty())
            continue;
        g.reset(OGRGeometryFactory::forceToMultiPolygon(g.release()));
        if (wkbFlatten(g->getGeometryType()) != wkbMultiPolygon || g->IsEmpty())
            continue;
        OGRFeature out(keptLayer->GetLayerDefn());
        out.SetField(0, feature->GetFieldAsString(nameIndex));
        out.SetField(1, ++count);
        out.SetGeometryDirectly(g.release());
        if (keptLayer->CreateFeature(&out) != OGRERR_NONE)
            dataError(QStringLiteral("%1: %2").arg(source, lastGdalError()));
    }
    if (count == 0)
        dataError(QStringLiteral("%1: no polygon lies within the extent").arg(source));
    if (count > 9999)
        dataError(QStringLiteral("%1: %2 polygons within the extent; the grid numbers at most 9999").arg(source).arg(count));

    char *options[] = {const_cast<char *>("ENCODING=UTF-8"), nullptr};
    std::unique_ptr<GDALDataset> out(shapefile->Create(shpPath.toUtf8().constData(), 0, 0, 0, GDT_Unknown, nullptr));
    if (!out)
        throw CliFailure(ExitNotWritten, QStringLiteral("Cannot create %1: %2").arg(shpPath, lastGdalError()));
    OGRLayer *outLayer = out->CreateLayer(QFileInfo(shpPath).completeBaseName().toUtf8().constData(), &target, wkbMultiPolygon, options);
    if (!outLayer || outLayer->CreateField(&nameDefn) != OGRERR_NONE)
        throw CliFailure(ExitNotWritten, QStringLiteral("Cannot create %1: %2").arg(shpPath, lastGdalError()));
    keptLayer->ResetReading();
    for (auto &feature : *keptLayer) {
        OGRFeature written(outLayer->GetLayerDefn());
        written.SetField(0, feature->GetFieldAsString(0));
        written.SetGeometry(feature->GetGeometryRef());
        if (outLayer->CreateFeature(&written) != OGRERR_NONE)
            throw CliFailure(ExitNotWritten, QStringLiteral("Cannot write %1: %2").arg(shpPath, lastGdalError()));
    }
    CPLErrorReset();
    out->FlushCache();
    if (CPLGetLastErrorType() >= CE_Failure)
        throw CliFailure(ExitNotWritten, QStringLiteral("Cannot write %1: %2").arg(shpPath, lastGdalError()));
    return count;
}

void GridBuilder::numberByCountries(const QString &shpPath)
{
    std::unique_ptr<GDALDataset> in(static_cast<GDALDataset *>(
        GDALOpenEx(shpPath.toUtf8().constData(), GDAL_OF_VECTOR | GDAL_OF_READONLY, nullptr, nullptr, nullptr)));
    if (!in || in->GetLayerCount() < 1)
        dataError(QStringLiteral("%1: %2").arg(shpPath, lastGdalError()));
    GDALDataset *kept = GetGDALDriverManager()->GetDriverByName("Memory")->Create("countries", 0, 0, 0, GDT_Unknown, nullptr);
    m_countries = kept;
    OGRLayer *keptLayer = kept->CreateLayer("countries", nullptr, wkbMultiPolygon, nullptr);
    OGRFieldDefn numberDefn("NUM", OFTInteger);
    keptLayer->CreateField(&numberDefn);
    int number = 0;
    for (auto &feature : *in->GetLayer(0)) {
        OGRFeature out(keptLayer->GetLayerDefn());
        out.SetField(0, ++number);
        out.SetGeometry(feature->GetGeometryRef());
        if (keptLayer->CreateFeature(&out) != OGRERR_NONE)
            dataError(QStringLiteral("%1: %2").arg(shpPath, lastGdalError()));
    }
}

SampledGrid GridBuilder::sample(const std::function<void(double)> &progress)
{
    SampledGrid grid;
    grid.frame = m_frame;
    const std::int64_t columns = m_frame.columns(), rows = m_frame.rows();
    const std::int64_t stripRows = std::clamp<std::int64_t>(4'000'000 / std::max<std::int64_t>(1, columns), 1, rows);
    std::vector<float> values[3];
    for (auto &v : values)
        v.resize(std::size_t(stripRows * columns));
    std::vector<std::int32_t> countries(m_countries ? std::size_t(stripRows * columns) : 0);
    GDALDriver *memory = GetGDALDriverManager()->GetDriverByName("MEM");

    for (std::int64_t row0 = 0; row0 < rows; row0 += stripRows) {
        const std::int64_t n = std::min(stripRows, rows - row0);
        for (int layer = 0; layer < 3; ++layer) {
            const bool average = std::abs(m_degreesPerPixel[layer]) < m_frame.step() * 0.999;
            warpRows(dataset(m_datasets[layer]), m_degreesPerPixel[layer] < 0, average, m_frame, row0, n, values[layer].data());
        }
        if (m_countries) {
            // Country numbers by the polygon that holds each cell's centre.
            std::unique_ptr<GDALDataset> strip(memory->Create("", int(columns), int(n), 1, GDT_Int32, nullptr));
            double gt[6] = {m_frame.west, m_frame.step(), 0, m_frame.north - double(row0) * m_frame.step(), 0, -m_frame.step()};
            strip->SetGeoTransform(gt);
            strip->GetRasterBand(1)->Fill(0);
            int bands[1] = {1};
            OGRLayerH layers[1] = {OGRLayer::ToHandle(dataset(m_countries)->GetLayer(0))};
            char *options[] = {const_cast<char *>("ATTRIBUTE=NUM"), nullptr};
            if (GDALRasterizeLayers(GDALDataset::ToHandle(strip.get()), 1, bands, 1, layers, nullptr, nullptr, nullptr,
                                    options, nullptr, nullptr) != CE_None
                || strip->GetRasterBand(1)->RasterIO(GF_Read, 0, 0, int(columns), int(n), countries.data(), int(columns),
                                                     int(n), GDT_Int32, 0, 0, nullptr) != CE_None)
                dataError(QStringLiteral("cannot place the grid's points in the countries: %1").arg(lastGdalError()));
        }
        for (std::int64_t k = 0; k < n * columns; ++k) {
            const double alt = values[0][k] * m_inputs[0].scale + m_inputs[0].offset,
                         mar = values[1][k] * m_inputs[1].scale + m_inputs[1].offset,
                         mat = values[2][k] * m_inputs[2].scale + m_inputs[2].offset;
            if (std::isnan(alt) || std::isnan(mar) || std::isnan(mat))
                continue;
            const std::int64_t cell = row0 * columns + k;
            const auto where = [&] {
                return QStringLiteral("%1, %2").arg(m_frame.x(cell % columns), 0, 'f', 4).arg(m_frame.y(cell / columns), 0, 'f', 4);
            };
            if (mat > 60 || mat < -90)
                dataError(QStringLiteral("%1: mean temperature %2 at %3 is not in \u00b0C; for tenths of a degree give --mat-scale 0.1, for kelvin --mat-offset -273.15 (and mark the sea as no data)")
                              .arg(m_inputs[2].path).arg(mat).arg(where()));
            if (mar < 0)
                dataError(QStringLiteral("%1: rainfall %2 at %3 is below 0; a fill value not marked as no data, or another unit (--mar-scale)")
                              .arg(m_inputs[1].path).arg(mar).arg(where()));
            if (mar > 100000)
                dataError(QStringLiteral("%1: rainfall %2 at %3 is not mm per year; give --mar-scale for rasters stored otherwise")
                              .arg(m_inputs[1].path).arg(mar).arg(where()));
            if (alt < -12000 || alt > 9000)
                dataError(QStringLiteral("%1: altitude %2 at %3 is not in metres (a fill value not marked as no data?)")
                              .arg(m_inputs[0].path).arg(alt).arg(where()));
            grid.cell.push_back(std::uint32_t(cell));
            grid.alt.push_back(std::int32_t(std::lround(alt)));
            grid.mar.push_back(std::int32_t(std::lround(mar)));
            grid.mat.push_back(float(std::round(mat * 10) / 10));
            grid.country.push_back(m_countries ? countries[k] : 0);
        }
        if (progress)
            progress(double(row0 + n) / double(rows));
    }
    return grid;
}
