// Point, distance and polygon searches, centroids, vertex order and extent
// arithmetic.
#include "mapping/MapError.h"
#include "mapping/MapLayer.h"
#include "mapping/MapLayers.h"
#include "tests/common/FixtureShapefile.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <shapefil.h>

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

namespace {

class SpatialSearch : public ::testing::Test {
protected:
    QTemporaryDir dir;

    std::shared_ptr<MapLayer> polygons()
    {
        FixtureShapefile{.shpType = SHPT_POLYGON,
                         .shapes = {
                             // 0: a square with a square hole in its middle
                             {{{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}}, {{4, 4}, {6, 4}, {6, 6}, {4, 6}, {4, 4}}},
                             // 1: the square east of it, sharing the edge x = 10
                             {{{10, 0}, {10, 10}, {20, 10}, {20, 0}, {10, 0}}},
                             // 2: two islands far apart
                             {{{30, 0}, {30, 2}, {32, 2}, {32, 0}, {30, 0}}, {{40, 0}, {40, 2}, {42, 2}, {42, 0}, {40, 0}}},
                         },
                         .fields = {{"NAME", 'C', 10, 0}}, .rows = {{"holed"}, {"east"}, {"islands"}}}
            .write(dir.filePath("poly.shp"));
        return MapLayer::fromFile(dir.filePath("poly.shp"));
    }

    std::vector<std::uint32_t> containing(MapLayer &layer, MapPoint p)
    {
        return layer.searchShape(p, SearchMethodPointInPolygon).featureIds();
    }
};

TEST_F(SpatialSearch, PolygonContainmentHonoursHolesAndEdges)
{
    auto layer = polygons();
    EXPECT_EQ(containing(*layer, {1, 1}), (std::vector<std::uint32_t>{0}));
    EXPECT_EQ(containing(*layer, {5, 5}), (std::vector<std::uint32_t>{})) << "inside the hole";
    EXPECT_EQ(containing(*layer, {15, 5}), (std::vector<std::uint32_t>{1}));
    EXPECT_EQ(containing(*layer, {10, 5}), (std::vector<std::uint32_t>{0, 1})) << "on the shared edge";
    EXPECT_EQ(containing(*layer, {41, 1}), (std::vector<std::uint32_t>{2})) << "second island";
    EXPECT_EQ(containing(*layer, {35, 1}), (std::vector<std::uint32_t>{})) << "between the islands";
    EXPECT_TRUE(layer->searchShape({1, 1}, SearchMethodPointInPolygon).field("NAME").valueText == "holed");
    EXPECT_THROW(layer->searchShape({1, 1}, 3), MapError);
}

TEST_F(SpatialSearch, PointSearchOnAPolygonLayerUsesContainment)
{
    auto layer = polygons();
    EXPECT_EQ(layer->searchAtPoint({15, 5}, 100).featureIds(), (std::vector<std::uint32_t>{1}));
    EXPECT_TRUE(layer->searchAtPoint({25, 5}, 100).isEOF());
}

TEST_F(SpatialSearch, CentroidsWeighByArea)
{
    auto layer = polygons();
    const MapShape holed = layer->data()->shape(0).Centroid();
    EXPECT_NEAR(holed.x(), 5, 1e-12);
    EXPECT_NEAR(holed.y(), 5, 1e-12);
    const MapShape islands = layer->data()->shape(2).Centroid();
    EXPECT_NEAR(islands.x(), 36, 1e-12);
    EXPECT_NEAR(islands.y(), 1, 1e-12);
    // An L of three unit squares: (0,0)-(2,1) plus (0,1)-(1,2).
    const MapShape ell = MapShape::withParts(
        ShapeTypePolygon, {MapPoints({{0, 0}, {0, 2}, {1, 2}, {1, 1}, {2, 1}, {2, 0}, {0, 0}})});
    EXPECT_NEAR(ell.Centroid().x(), 5.0 / 6, 1e-12);
    EXPECT_NEAR(ell.Centroid().y(), 5.0 / 6, 1e-12);
    // The hole pulls the centroid away: a 10 x 10 square with a hole at its east side.
    const MapShape eastHole = MapShape::withParts(
        ShapeTypePolygon, {MapPoints({{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}}),
                           MapPoints({{6, 4}, {8, 4}, {8, 6}, {6, 6}, {6, 4}})});
    EXPECT_NEAR(eastHole.Centroid().x(), (100 * 5 - 4 * 7) / 96.0, 1e-12);
}

TEST_F(SpatialSearch, DistanceSearchFindsExactlyThePointsInReachNearestFirst)
{
    std::vector<MapPoint> points;
    std::vector<std::vector<std::optional<std::string>>> rows;
    QRandomGenerator random(42);
    for (int i = 0; i < 2000; ++i) {
        points.push_back({90 + random.bounded(50.0), -10 + random.bounded(40.0)});
        rows.push_back({std::to_string(i + 1)});
    }
    PointFixture(points, {{"POINTID", 'N', 8, 0}}, rows).write(dir.filePath("random.shp"));
    auto layer = MapLayer::fromFile(dir.filePath("random.shp"));
    for (int q = 0; q < 200; ++q) {
        // Some queries lie outside the points' extent.
        const MapPoint at{85 + random.bounded(60.0), -15 + random.bounded(50.0)};
        const double reach = random.bounded(3.0);
        std::vector<std::uint32_t> expected;
        std::uint32_t nearest = 0;
        double best = INFINITY;
        for (std::uint32_t i = 0; i < points.size(); ++i) {
            const double d = std::hypot(points[i].x - at.x, points[i].y - at.y);
            if (d <= reach)
                expected.push_back(i);
            if (d <= reach && d < best) {
                best = d;
                nearest = i;
            }
        }
        MapRecordSet records = layer->searchByDistance(at, reach);
        std::vector<std::uint32_t> walked;
        for (; !records.isEOF(); records.moveNext())
            walked.push_back(records.featureId());
        EXPECT_EQ(walked, records.featureIds()) << "moving through the set visits every record once";
        std::vector<std::uint32_t> found = records.featureIds();
        if (!expected.empty()) {
            ASSERT_FALSE(found.empty());
            EXPECT_EQ(found.front(), nearest) << "query " << q;
        }
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, expected) << "query " << q;
    }
}

TEST_F(SpatialSearch, TiesGoToTheLowerFeatureNumber)
{
    // A 10 x 10 lattice written twice, queried on half steps: every query has ties.
    std::vector<MapPoint> points;
    std::vector<std::vector<std::optional<std::string>>> rows;
    for (int n = 0; n < 200; ++n) {
        points.push_back({double(n % 10), double(n / 10 % 10)});
        rows.push_back({std::to_string(n)});
    }
    PointFixture(points, {{"ID", 'N', 4, 0}}, rows).write(dir.filePath("lattice.shp"));
    auto layer = MapLayer::fromFile(dir.filePath("lattice.shp"));
    for (double x = -0.5; x <= 9.5; x += 0.5)
        for (double y = -0.5; y <= 9.5; y += 0.5) {
            std::uint32_t nearest = 0;
            for (std::uint32_t i = 1; i < points.size(); ++i)
                if (std::hypot(points[i].x - x, points[i].y - y) < std::hypot(points[nearest].x - x, points[nearest].y - y))
                    nearest = i;
            EXPECT_EQ(layer->searchByDistance({x, y}, 1).featureIds().front(), nearest) << x << ", " << y;
            EXPECT_EQ(layer->searchByDistance({x, y}, 1, "ID >= 0").featureIds().front(), nearest) << x << ", " << y;
        }
}

TEST_F(SpatialSearch, DistanceSearchWithAFilter)
{
    PointFixture({{0, 0}, {1, 0}, {2, 0}}, {{"ALT", 'N', 5, 0}}, {{"10"}, {"20"}, {"30"}})
        .write(dir.filePath("three.shp"));
    auto layer = MapLayer::fromFile(dir.filePath("three.shp"));
    EXPECT_EQ(layer->searchByDistance({0.9, 0}, 1.5, "ALT >= 20").featureIds(), (std::vector<std::uint32_t>{1, 2}));
    EXPECT_THROW(layer->searchByDistance({0.9, 0}, 1.5, "ALT >= "), MapError);
}

TEST_F(SpatialSearch, DistanceToLines)
{
    FixtureShapefile{.shpType = SHPT_ARC, .shapes = {{{{0, 0}, {10, 0}}}, {{{0, 5}, {10, 5}}}}, .fields = {{"ID", 'N', 4, 0}},
                     .rows = {{"1"}, {"2"}}}
        .write(dir.filePath("lines.shp"));
    auto layer = MapLayer::fromFile(dir.filePath("lines.shp"));
    EXPECT_EQ(layer->searchByDistance({5, 1}, 1.5).featureIds(), (std::vector<std::uint32_t>{0}));
    EXPECT_EQ(layer->searchByDistance({5, 3}, 3.5).featureIds(), (std::vector<std::uint32_t>{1, 0}));
    EXPECT_TRUE(layer->searchByDistance({5, 2.5}, 2).isEOF());
    EXPECT_EQ(layer->data()->shape(1).Centroid().x(), 5) << "a line's middle";
}

} // namespace
