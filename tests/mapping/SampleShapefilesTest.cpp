// The bundled sample map: the point grid and the country boundaries as the
// map window loads them.
#include "mapping/MapLayer.h"
#include "tests/mapping/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

const QString Folder = QStringLiteral(SILVARIA_SOURCE_DIR "/data/ShapeFiles/");

TEST(SampleShapefiles, CanvasIsAPointGridWithTheSevenFields)
{
    const auto canvas = MapLayer::fromFile(Folder + "pasia_canvas.shp");
    EXPECT_EQ(canvas->shapeType(), ShapeTypePoint);
    const std::uint32_t n = canvas->data()->featureCount();
    EXPECT_GT(n, 80000u);
    EXPECT_LT(n, 100000u);
    QStringList names;
    for (const MapField &field : canvas->records().fields())
        names << field.name;
    EXPECT_EQ(names, (QStringList{"POINTID", "ALT", "MAR", "MAT", "MAT_RANGE", "COUNT", "VALUE", "Shape", "FeatureId"}));
    EXPECT_EQ(canvas->SearchExpression(QStringLiteral("POINTID = %1").arg(n)).count(), 1u);
    EXPECT_TRUE(canvas->SearchExpression(QStringLiteral("POINTID = %1 OR POINTID < 1").arg(n + 1)).isEOF());
}

TEST(SampleShapefiles, ValuesStayInsideTheDataRanges)
{
    const auto canvas = MapLayer::fromFile(Folder + "pasia_canvas.shp");
    EXPECT_TRUE(canvas->SearchExpression("ALT < 0 OR ALT > 6098 OR MAR < 6 OR MAR > 8253 OR MAT < -11.2 OR MAT > 29.2")
                    .isEOF());
    // Every point has all three values.
    EXPECT_EQ(canvas->SearchExpression("ALT >= 0 AND ALT <= 6098 AND MAR >= 6 AND MAR <= 8253 AND MAT >= -11.2 AND "
                                       "MAT <= 29.2")
                  .count(),
              canvas->data()->featureCount());
    const auto lowlandTropics = canvas->SearchExpression(
        "ALT >= 100 AND ALT <= 1500 AND MAR >= 1000 AND MAR <= 3000 AND MAT >= 20 AND MAT <= 28");
    EXPECT_GT(lowlandTropics.count(), 5000u);
}

TEST(SampleShapefiles, BangkokIsWarmLowlandInThailand)
{
    const auto canvas = MapLayer::fromFile(Folder + "pasia_canvas.shp");
    const auto countries = MapLayer::fromFile(Folder + "country_bnd.shp");
    const MapPoint bangkok{100.5, 14.0};
    MapRecordSet point = canvas->searchByDistance(bangkok, 0.1);
    ASSERT_FALSE(point.isEOF());
    EXPECT_LT(point.value("ALT").toInt(), 100);
    EXPECT_GE(point.value("MAT").toDouble(), 26.0);
    EXPECT_GE(point.value("MAR").toInt(), 1000);
    MapRecordSet country = countries->searchShape(bangkok, SearchMethodPointInPolygon);
    ASSERT_FALSE(country.isEOF());
    EXPECT_EQ(country.valueText("NAME"), QStringLiteral("Thailand"));
    EXPECT_EQ(point.value("VALUE").toLongLong(), qlonglong(country.featureId()) + 1);
}

TEST(SampleShapefiles, BoundariesCoverTheRegion)
{
    const auto countries = MapLayer::fromFile(Folder + "country_bnd.shp");
    EXPECT_EQ(countries->shapeType(), ShapeTypePolygon);
    const MapExtent extent = countries->extent();
    EXPECT_GE(extent.left(), 89);
    EXPECT_LE(extent.right(), 146);
    EXPECT_GE(extent.bottom(), -13);
    EXPECT_LE(extent.top(), 31);
    for (const char *name : {"Indonesia", "Vietnam", "Philippines", "Malaysia", "Myanmar", "Laos", "Cambodia"}) {
        const auto found = countries->SearchExpression(QStringLiteral("NAME = '%1'").arg(QLatin1String(name)));
        EXPECT_EQ(found.count(), 1u) << name;
    }
}

} // namespace
