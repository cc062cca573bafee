// The shapefile reader checked against GDAL/OGR on the bundled layers and a
// published one: the same features, values, extents and centroids of features, and the same answers to
// whether a point lies in a polygon and how far it is from a feature.
#include "mapping/MapShape.h"
#include "mapping/ShapeLayer.h"
#include "tests/common/PublishedShapefile.h"

#include <gtest/gtest.h>

#include <cmath>

#ifdef SILVARIA_HAVE_GDAL
#include <ogrsf_frmts.h>

namespace {

// Every `step`th feature of the file compared with OGR's reading of it.
void expectAsOgrReads(const QString &path, std::uint32_t step)
{
    const auto ours = ShapeLayer::read(path);
    const GDALDatasetUniquePtr file(GDALDataset::Open(path.toUtf8().constData(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
    ASSERT_TRUE(file && ours) << path.toStdString();
    OGRLayer *ogr = file->GetLayer(0);
    ASSERT_EQ(ours->featureCount(), std::uint32_t(ogr->GetFeatureCount()));
    const AttributeTable &table = ours->attributes();
    ASSERT_EQ(table.fieldCount(), ogr->GetLayerDefn()->GetFieldCount());
    for (std::uint32_t f = 0; f < ours->featureCount(); f += step) {
        const std::unique_ptr<OGRFeature> feature(ogr->GetFeature(f));
        const std::string at = path.toStdString() + " feature " + std::to_string(f);
        for (int c = 0; c < table.fieldCount(); ++c) {
            const AttributeColumn &column = table.column(c);
            EXPECT_EQ(column.isNull(f), !feature->IsFieldSetAndNotNull(c)) << at << " " << column.name().toStdString();
            if (feature->GetFieldDefnRef(c)->GetType() == OFTString)
                EXPECT_EQ(column.valueText(f).toStdString(), feature->GetFieldAsString(c)) << at;
            else if (!column.isNull(f))
                EXPECT_FLOAT_EQ(float(column.number(f)), float(feature->GetFieldAsDouble(c))) << at << " " << column.name().toStdString();
        }
        const OGRGeometry *shape = feature->GetGeometryRef();
        OGREnvelope box;
        shape->getEnvelope(&box);
        const MapExtent e = ours->featureExtent(f);
        EXPECT_TRUE(e.left() == box.MinX && e.bottom() == box.MinY && e.right() == box.MaxX && e.top() == box.MaxY) << at;
        OGRPoint centre;
        if (ours->shapeType() == ShapeTypePolygon && shape->Centroid(&centre) == OGRERR_NONE)
            EXPECT_LT(std::hypot(ours->shape(f).Centroid().x() - centre.getX(), ours->shape(f).Centroid().y() - centre.getY()), 1e-9) << at;
        // Probes inside and around the feature's box.
        for (const auto &[u, v] : {std::pair{0.5, 0.5}, {0.2, 0.3}, {0.8, 0.65}, {0.35, 0.9}, {-0.4, 1.3}}) {
            const MapPoint p{box.MinX + u * (box.MaxX - box.MinX) + 0.01, box.MinY + v * (box.MaxY - box.MinY) - 0.01};
            const OGRPoint probe(p.x, p.y);
            if (ours->shapeType() == ShapeTypePolygon)
                EXPECT_EQ(ours->featureContains(f, p), shape->Contains(&probe)) << at << " at " << p.x << "," << p.y;
            EXPECT_NEAR(ours->featureDistance(f, p), shape->Distance(&probe), 1e-9) << at << " at " << p.x << "," << p.y;
        }
    }
}

TEST(ShapefileOracle, TheBundledAndAPublishedLayerReadAsOgrReadsThem)
{
    GDALAllRegister();
    expectAsOgrReads(QStringLiteral(SILVARIA_SOURCE_DIR "/data/ShapeFiles/country_bnd.shp"), 1);
    expectAsOgrReads(QStringLiteral(SILVARIA_SOURCE_DIR "/data/ShapeFiles/pasia_canvas.shp"), 997);
    QString why;
    const QString nc = PublishedNcShapefile(why);
    if (nc.isEmpty())
        GTEST_SKIP() << "nc.shp is not available: " << why.toStdString();
    expectAsOgrReads(nc, 1);
}

} // namespace
#endif
