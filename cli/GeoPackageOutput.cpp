#include "analysis/GridClimate.h"
#include "cli/CliCommand.h"
#include "cli/GdalOutputFile.h"
#include "cli/GisOutput.h"
#include "cli/GridRaster.h"
#include "mapping/MapError.h"
#include "mapping/ShapeLayer.h"

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <QCoreApplication>
#include <QFileInfo>

#include <cmath>
#include <map>
#include <memory>

namespace {

// The file's only layer, named after the file: the title as its identifier,
// the title and the stamp's lines as its description, and the stamp's
// entries as its metadata.
OGRLayer *createLayer(GDALDataset *gpkg, const QString &path, const QString &title, const PictureStamp &stamp,
                      OGRwkbGeometryType type, const OGRSpatialReference *srs, const GdalOutputFile &out)
{
    QString description = title;
    for (const auto &[key, text] : stamp)
        description += QStringLiteral("\n%1: %2").arg(key, text);
    CPLStringList options;
    options.SetNameValue("DESCRIPTION", description.toUtf8().constData());
    options.SetNameValue("IDENTIFIER", title.toUtf8().constData());
    OGRLayer *layer = gpkg->CreateLayer(QFileInfo(path).completeBaseName().toUtf8().constData(),
                                        const_cast<OGRSpatialReference *>(srs), type, options.List()); // GDAL 3.6 takes no const
    out.check(layer != nullptr);
    SetStampMetadata(layer, stamp);
    return layer;
}

void addField(OGRLayer *layer, const QString &name, OGRFieldType type, const GdalOutputFile &out)
{
    OGRFieldDefn field(name.toUtf8().constData(), type);
    out.check(layer->CreateField(&field) == OGRERR_NONE);
}

GridClimate climateOf(const ShapeLayer &grid)
{
    try {
        return GridClimate::read(grid);
    } catch (const MapError &e) {
        throw CliFailure(ExitDataError, e.message());
    }
}

// A GIS field name for a column of rows: "Land km2" is land_km2, "ALT %" alt_pct.
QString fieldName(const QString &header)
{
    return header.toLower().replace(QLatin1Char('%'), QStringLiteral("pct")).replace(QLatin1Char(' '), QLatin1Char('_'));
}

// A cell of rows as the rows print it: text, or a number rounded to the column's decimals.
void setCell(OGRFeature &feature, int c, const QVariant &value, int decimals)
{
    if (value.isNull())
        feature.SetFieldNull(c);
    else if (decimals == -1)
        feature.SetField(c, value.toString().toUtf8().constData());
    else
        feature.SetField(c, decimals >= 0 ? QString::number(value.toDouble(), 'f', decimals).toDouble() : value.toDouble());
}

// The polygons of each NAME of the boundary shapefile, in file order.
std::map<QString, OGRMultiPolygon> countryShapes(GDALDataset *boundaries)
{
    std::map<QString, OGRMultiPolygon> shapes;
    OGRLayer *layer = boundaries->GetLayer(0);
    for (const auto &feature : *layer) {
        const OGRGeometry *geometry = feature->GetGeometryRef();
        if (!geometry)
            continue;
        std::unique_ptr<OGRGeometry> multi(OGRGeometryFactory::forceToMultiPolygon(geometry->clone()));
        if (wkbFlatten(multi->getGeometryType()) != wkbMultiPolygon)
            continue;
        OGRMultiPolygon &country = shapes[QString::fromUtf8(feature->GetFieldAsString("NAME")).trimmed()];
        for (const OGRPolygon *polygon : *multi->toMultiPolygon())
            country.addGeometry(polygon);
    }
    return shapes;
}

} // namespace

void WritePointGeoPackage(const ShapeLayer &grid, const GisMap &map, const QString &path)
{
    const GridClimate climate = climateOf(grid);
    GdalOutputFile out(path);
    GDALDatasetUniquePtr gpkg(out.create("GPKG"));
    const OGRSpatialReference degrees = GeographicDegrees();
    OGRLayer *layer = createLayer(gpkg.get(), path, map.title, map.stamp, wkbPoint, &degrees, out);
    addField(layer, map.values.field, OFTInteger, out);
    addField(layer, QStringLiteral("class_name"), OFTString, out);
    for (const char *name : {"ALT", "MAR", "MAT"})
        addField(layer, QString::fromLatin1(name), OFTReal, out);
    out.check(gpkg->StartTransaction() == OGRERR_NONE);
    for (std::uint32_t p = 0; p < grid.featureCount(); ++p) {
        OGRFeature feature(layer->GetLayerDefn());
        const std::uint32_t value = map.values.values[p];
        feature.SetField(0, int(value));
        feature.SetField(1, map.values.classes.at(value).name.toUtf8().constData());
        for (int c = 0; c < 3; ++c) {
            if (std::isnan(climate.engine[c][p]))
                feature.SetFieldNull(2 + c);
            else
                feature.SetField(2 + c, climate.engine[c][p]);
        }
        if (std::isfinite(grid.xs()[p]) && std::isfinite(grid.ys()[p]))
            feature.SetGeometry(std::make_unique<OGRPoint>(grid.xs()[p], grid.ys()[p]).get());
        out.check(layer->CreateFeature(&feature) == OGRERR_NONE);
    }
    out.check(gpkg->CommitTransaction() == OGRERR_NONE);
    gpkg.reset();
    out.commit();
}

void WriteCountryGeoPackage(const QString &boundaries, const Rows &rows, const QString &title, const PictureStamp &stamp,
                            const QString &path)
{
    GdalOutputFile out(path);
    const GDALDatasetUniquePtr source(GDALDataset::Open(boundaries.toUtf8().constData(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
    if (!source || source->GetLayerCount() < 1)
        throw CliFailure(ExitDataError, QCoreApplication::translate("GeoPackageOutput", "%1: GDAL cannot read its polygons").arg(boundaries));
    const std::map<QString, OGRMultiPolygon> shapes = countryShapes(source.get());
    GDALDatasetUniquePtr gpkg(out.create("GPKG"));
    OGRLayer *layer = createLayer(gpkg.get(), path, title, stamp, wkbMultiPolygon, source->GetLayer(0)->GetSpatialRef(), out);
    for (qsizetype c = 0; c < rows.headers.size(); ++c)
        addField(layer, fieldName(rows.headers[c]), rows.decimals.value(c, -1) == -1 ? OFTString : OFTReal, out);
    out.check(gpkg->StartTransaction() == OGRERR_NONE);
    for (const QVariantList &row : rows.rows) {
        const auto shape = shapes.find(row.value(0).toString());
        if (shape == shapes.end())
            continue; // the points outside every country, and the total
        OGRFeature feature(layer->GetLayerDefn());
        for (int c = 0; c < int(row.size()) && c < int(rows.headers.size()); ++c)
            setCell(feature, c, row[c], rows.decimals.value(c, -1));
        feature.SetGeometry(&shape->second);
        out.check(layer->CreateFeature(&feature) == OGRERR_NONE);
    }
    out.check(gpkg->CommitTransaction() == OGRERR_NONE);
    gpkg.reset();
    out.commit();
}
