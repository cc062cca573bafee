#include "cli/GridBuilder.h"

#include "cli/CliCommand.h"

#include <gdal_alg.h>
#include <gdal_priv.h>
#include <ogr_spatialref.h>
#include <ogrsf_frmts.h>

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

const char *const LayerNames[3] = {"ALT", "MAR", "MAT"};

std::unique_ptr<GDALDataset> openVector(const QString &source)
{
    std::unique_ptr<GDALDataset> in(GDALDataset::FromHandle(
        GDALOpenEx(source.toUtf8().constData(), GDAL_OF_VECTOR | GDAL_OF_READONLY, nullptr, nullptr, nullptr)));
    if (!in || in->GetLayerCount() < 1)
        GridDataError(QStringLiteral("%1: not a vector source GDAL reads: %2").arg(source, LastGdalError()));
    return in;
}

int nameFieldIndex(OGRLayer *layer, const QString &source, const QString &nameField)
{
    OGRFeatureDefn *defn = layer->GetLayerDefn();
    const int index = defn->GetFieldIndex(nameField.toUtf8().constData());
    if (index < 0) {
        QStringList fields;
        for (int f = 0; f < defn->GetFieldCount(); ++f)
            fields << QString::fromUtf8(defn->GetFieldDefn(f)->GetNameRef());
        GridDataError(QStringLiteral("%1: no field \"%2\" for the country name (--name-field); its fields: %3")
                          .arg(source, nameField, fields.join(QStringLiteral(", "))));
    }
    return index;
}

// From the layer's coordinates to degrees; null when the layer names none (taken as degrees).
std::unique_ptr<OGRCoordinateTransformation> toDegreesOf(OGRLayer *layer, const QString &source)
{
    const OGRSpatialReference *own = layer->GetSpatialRef();
    if (!own || own->IsEmpty())
        return nullptr;
    OGRSpatialReference from(*own), target = GeographicDegrees();
    from.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    std::unique_ptr<OGRCoordinateTransformation> toDegrees(OGRCreateCoordinateTransformation(&from, &target));
    if (!toDegrees)
        GridDataError(QStringLiteral("%1: its coordinates cannot be turned into degrees: %2").arg(source, LastGdalError()));
    return toDegrees;
}

OGRPolygon boxPolygon(const OGREnvelope &box)
{
    OGRLinearRing ring;
    ring.addPoint(box.MinX, box.MinY);
    ring.addPoint(box.MaxX, box.MinY);
    ring.addPoint(box.MaxX, box.MaxY);
    ring.addPoint(box.MinX, box.MaxY);
    ring.addPoint(box.MinX, box.MinY);
    OGRPolygon polygon;
    polygon.addRing(&ring);
    return polygon;
}

// The polygons of a geometry, those of a collection's members included: a
// clip can give a country's polygon together with the line where it touches
// the edge of the extent.
void addPolygonParts(const OGRGeometry &g, OGRMultiPolygon &out)
{
    const OGRwkbGeometryType type = wkbFlatten(g.getGeometryType());
    if (OGR_GT_IsSubClassOf(type, wkbGeometryCollection)) {
        for (const OGRGeometry *part : *g.toGeometryCollection())
            addPolygonParts(*part, out);
    } else if (OGR_GT_IsSurface(type)) {
        std::unique_ptr<OGRGeometry> polygon(OGRGeometryFactory::forceToPolygon(g.clone()));
        if (polygon && wkbFlatten(polygon->getGeometryType()) == wkbPolygon && !polygon->IsEmpty())
            out.addGeometry(polygon.get());
    }
}

// A country's polygons in degrees, clipped to the frame and simplified; null when none remain.
std::unique_ptr<OGRMultiPolygon> clippedCountry(const OGRGeometry &geometry, OGRCoordinateTransformation *toDegrees,
                                                const OGREnvelope &frameBox, double tolerance)
{
    std::unique_ptr<OGRGeometry> g(geometry.clone());
    if (toDegrees && g->transform(toDegrees) != OGRERR_NONE)
        return nullptr; // wholly outside the range of geographic coordinates
    OGREnvelope box;
    g->getEnvelope(&box);
    if (!box.Intersects(frameBox))
        return nullptr;
    if (!g->IsValid())
        g.reset(g->MakeValid());
    if (g && !frameBox.Contains(box)) {
        const OGRPolygon clip = boxPolygon(frameBox);
        g.reset(g->Intersection(&clip));
    }
    auto parts = std::make_unique<OGRMultiPolygon>();
    if (g)
        addPolygonParts(*g, *parts);
    if (parts->IsEmpty())
        return nullptr;
    std::unique_ptr<OGRGeometry> simple(parts->SimplifyPreserveTopology(tolerance));
    parts = std::make_unique<OGRMultiPolygon>();
    if (simple)
        addPolygonParts(*simple, *parts);
    return parts->IsEmpty() ? nullptr : std::move(parts);
}

void writeShapefile(const QString &shpPath, const std::vector<std::unique_ptr<OGRGeometry>> &countries,
                    const std::vector<QByteArray> &names)
{
    const auto failed = [&](bool creating) {
        throw CliFailure(ExitNotWritten, (creating ? QCoreApplication::translate("GridBuilder", "Cannot create %1: %2")
                                                   : QCoreApplication::translate("GridBuilder", "Cannot write %1: %2"))
                                             .arg(shpPath, LastGdalError()));
    };
    GDALDriver *shapefile = GetGDALDriverManager()->GetDriverByName("ESRI Shapefile");
    std::unique_ptr<GDALDataset> out(shapefile->Create(shpPath.toUtf8().constData(), 0, 0, 0, GDT_Unknown, nullptr));
    if (!out)
        failed(true);
    OGRSpatialReference target = GeographicDegrees();
    char *options[] = {const_cast<char *>("ENCODING=UTF-8"), nullptr};
    OGRLayer *layer = out->CreateLayer(QFileInfo(shpPath).completeBaseName().toUtf8().constData(), &target, wkbMultiPolygon, options);
    OGRFieldDefn nameDefn("NAME", OFTString);
    nameDefn.SetWidth(80);
    if (!layer || layer->CreateField(&nameDefn) != OGRERR_NONE)
        failed(true);
    for (std::size_t i = 0; i < countries.size(); ++i) {
        OGRFeature written(layer->GetLayerDefn());
        written.SetField(0, names[i].constData());
        written.SetGeometry(countries[i].get());
        if (layer->CreateFeature(&written) != OGRERR_NONE)
            failed(false);
    }
    CPLErrorReset();
    out->FlushCache();
    if (CPLGetLastErrorType() >= CE_Failure)
        failed(false);
}

} // namespace

GridBuilder::GridBuilder(const GridFrame &frame, const RasterInput inputs[3]) : m_frame(frame)
{
    GDALAllRegister();
    // Errors are reported by the program with the file's name, not printed by GDAL.
    CPLPushErrorHandler(CPLQuietErrorHandler);
    try {
        for (int i = 0; i < 3; ++i)
            m_rasters[i] = std::make_unique<GridRaster>(inputs[i], LayerNames[i]);
    } catch (...) {
        CPLPopErrorHandler();
        throw;
    }
}

GridBuilder::~GridBuilder()
{
    for (auto &raster : m_rasters)
        raster.reset();
    CPLPopErrorHandler();
}

int GridBuilder::writeCountries(const QString &source, const QString &nameField, const QString &shpPath)
{
    std::unique_ptr<GDALDataset> in = openVector(source);
    OGRLayer *layer = in->GetLayer(0);
    const int nameIndex = nameFieldIndex(layer, source, nameField);
    const std::unique_ptr<OGRCoordinateTransformation> toDegrees = toDegreesOf(layer, source);
    OGREnvelope frameBox;
    frameBox.MinX = m_frame.west;
    frameBox.MaxX = m_frame.west + double(m_frame.columns()) * m_frame.step();
    frameBox.MaxY = m_frame.north;
    frameBox.MinY = m_frame.north - double(m_frame.rows()) * m_frame.step();
    std::vector<QByteArray> names;
    m_countries.clear();
    layer->ResetReading();
    for (auto &feature : *layer) {
        const OGRGeometry *geometry = feature->GetGeometryRef();
        if (!geometry || geometry->IsEmpty())
            continue;
        // A tenth of a cell: boundaries move less than any point's distance from them can bear.
        std::unique_ptr<OGRMultiPolygon> country = clippedCountry(*geometry, toDegrees.get(), frameBox, m_frame.step() / 10);
        if (!country)
            continue;
        m_countries.push_back(std::move(country));
        names.push_back(feature->GetFieldAsString(nameIndex));
    }
    if (m_countries.empty())
        GridDataError(QStringLiteral("%1: no polygon lies within the extent").arg(source));
    if (m_countries.size() > 9999)
        GridDataError(QStringLiteral("%1: %2 polygons within the extent; the grid numbers at most 9999").arg(source).arg(m_countries.size()));
    writeShapefile(shpPath, m_countries, names);
    return int(m_countries.size());
}

void GridBuilder::numberByCountries(const QString &shpPath)
{
    std::unique_ptr<GDALDataset> in = openVector(shpPath);
    m_countries.clear();
    for (auto &feature : *in->GetLayer(0))
        if (const OGRGeometry *g = feature->GetGeometryRef())
            m_countries.emplace_back(g->clone());
        else
            m_countries.push_back(std::make_unique<OGRPolygon>()); // keeps the numbering of the features
}

// Country numbers by the polygon that holds each cell's centre. Where
// polygons overlap the first in file order holds the point, as in the
// analyses: the polygons are burnt last to first, each over the later ones.
void GridBuilder::placeInCountries(std::int64_t row0, std::int64_t rows, std::vector<std::int32_t> &countries) const
{
    const std::int64_t columns = m_frame.columns();
    std::unique_ptr<GDALDataset> strip(GetGDALDriverManager()->GetDriverByName("MEM")->Create("", int(columns), int(rows), 1, GDT_Int32, nullptr));
    double gt[6] = {m_frame.west, m_frame.step(), 0, m_frame.north - double(row0) * m_frame.step(), 0, -m_frame.step()};
    strip->SetGeoTransform(gt);
    strip->GetRasterBand(1)->Fill(0);
    std::vector<OGRGeometryH> shapes;
    std::vector<double> numbers;
    for (std::size_t i = m_countries.size(); i-- > 0;) {
        shapes.push_back(OGRGeometry::ToHandle(m_countries[i].get()));
        numbers.push_back(double(i + 1));
    }
    int bands[1] = {1};
    if (GDALRasterizeGeometries(GDALDataset::ToHandle(strip.get()), 1, bands, int(shapes.size()), shapes.data(), nullptr,
                                nullptr, numbers.data(), nullptr, nullptr, nullptr) != CE_None
        || strip->GetRasterBand(1)->RasterIO(GF_Read, 0, 0, int(columns), int(rows), countries.data(), int(columns),
                                             int(rows), GDT_Int32, 0, 0, nullptr) != CE_None)
        GridDataError(QStringLiteral("cannot place the grid's points in the countries: %1").arg(LastGdalError()));
}

SampledGrid GridBuilder::sample(const std::function<void(double)> &progress)
{
    SampledGrid grid;
    grid.frame = m_frame;
    const std::int64_t columns = m_frame.columns(), rows = m_frame.rows();
    const std::int64_t stripRows = std::clamp<std::int64_t>(4'000'000 / std::max<std::int64_t>(1, columns), 1, rows);
    std::vector<float> values[3], coverage;
    for (auto &v : values)
        v.resize(std::size_t(stripRows * columns));
    std::vector<std::int32_t> countries(std::size_t(stripRows * columns), 0);
    for (std::int64_t row0 = 0; row0 < rows; row0 += stripRows) {
        const std::int64_t n = std::min(stripRows, rows - row0);
        for (int layer = 0; layer < 3; ++layer)
            m_rasters[layer]->sampleRows(m_frame, row0, n, values[layer].data(), coverage);
        if (!m_countries.empty())
            placeInCountries(row0, n, countries);
        keepLand(row0, n, values, countries, grid);
        if (progress)
            progress(double(row0 + n) / double(rows));
    }
    return grid;
}

// Adds the cells of a strip where all three rasters have a value, after
// checking that the values are in the grid's units.
void GridBuilder::keepLand(std::int64_t row0, std::int64_t rows, const std::vector<float> values[3],
                           const std::vector<std::int32_t> &countries, SampledGrid &grid) const
{
    const std::int64_t columns = m_frame.columns();
    const RasterInput &a = m_rasters[0]->input(), &r = m_rasters[1]->input(), &t = m_rasters[2]->input();
    for (std::int64_t k = 0; k < rows * columns; ++k) {
        const double alt = values[0][k] * a.scale + a.offset, mar = values[1][k] * r.scale + r.offset,
                     mat = values[2][k] * t.scale + t.offset;
        if (std::isnan(alt) || std::isnan(mar) || std::isnan(mat))
            continue;
        const std::int64_t cell = row0 * columns + k;
        const auto where = [&] {
            return QStringLiteral("%1, %2").arg(m_frame.x(cell % columns), 0, 'f', 4).arg(m_frame.y(cell / columns), 0, 'f', 4);
        };
        if (mat > 60 || mat < -90)
            GridDataError(QStringLiteral("%1: mean temperature %2 at %3 is not in \u00b0C; for tenths of a degree give --mat-scale 0.1, for kelvin --mat-offset -273.15 (and mark the sea as no data)")
                              .arg(t.path).arg(mat).arg(where()));
        if (mar < 0)
            GridDataError(QStringLiteral("%1: rainfall %2 at %3 is below 0; a fill value not marked as no data, or another unit (--mar-scale)")
                              .arg(r.path).arg(mar).arg(where()));
        if (mar > 100000)
            GridDataError(QStringLiteral("%1: rainfall %2 at %3 is not mm per year; give --mar-scale for rasters stored otherwise")
                              .arg(r.path).arg(mar).arg(where()));
        if (alt < -12000 || alt > 9000)
            GridDataError(QStringLiteral("%1: altitude %2 at %3 is not in metres (a fill value not marked as no data?)")
                              .arg(a.path).arg(alt).arg(where()));
        grid.cell.push_back(std::uint32_t(cell));
        grid.alt.push_back(std::int32_t(std::lround(alt)));
        grid.mar.push_back(std::int32_t(std::lround(mar)));
        grid.mat.push_back(float(std::round(mat * 10) / 10));
        grid.country.push_back(countries[std::size_t(k)]);
    }
}
