// Drawing a map into an image: layer order and notifications, colours of
// layers, markers and record sets, and the bitmap export with its failures.
#include "mapping/GridLayers.h"
#include "mapping/MapError.h"
#include "mapping/MapExport.h"
#include "mapping/MapRenderer.h"
#include "tests/common/Files.h"
#include "tests/common/FileSizeLimit.h"
#include "tests/common/FixtureShapefile.h"
#include "tests/common/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>

#include <shapefil.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

const QColor Sea(198, 224, 242);

class Rendering : public ::testing::Test {
protected:
    QTemporaryDir dir;
    MapLayers layers;
    std::shared_ptr<MapLayer> grid, land, roads;

    void SetUp() override
    {
        // A 10 x 10 grid of points at 0.5, 1.5, ... with ALT = 100 * column.
        std::vector<MapPoint> points;
        std::vector<std::vector<std::optional<std::string>>> rows;
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 10; ++c) {
                points.push_back({c + 0.5, r + 0.5});
                rows.push_back({std::to_string(r * 10 + c + 1), std::to_string(100 * c)});
            }
        PointFixture(points, {{"POINTID", 'N', 6, 0}, {"ALT", 'N', 5, 0}}, rows).write(dir.filePath("grid.shp"));
        FixtureShapefile{.shpType = SHPT_POLYGON, .shapes = {{{{2, 2}, {2, 8}, {8, 8}, {8, 2}, {2, 2}}}},
                         .fields = {{"NAME", 'C', 10, 0}}, .rows = {{"land"}}}
            .write(dir.filePath("land.shp"));
        // A line along pixel row 5.
        FixtureShapefile{.shpType = SHPT_ARC, .shapes = {{{{0, 9.45}, {10, 9.45}}}}, .fields = {{"ID", 'N', 3, 0}},
                         .rows = {{"1"}}}
            .write(dir.filePath("roads.shp"));

        grid = MapLayer::fromFile(dir.filePath("grid.shp"));
        land = MapLayer::fromFile(dir.filePath("land.shp"));
        roads = MapLayer::fromFile(dir.filePath("roads.shp"));
        grid->setVisible(false);
        land->setColor(Qt::white);
        roads->setColor(Qt::black);
        layers.add(grid); // index 2
        layers.add(land); // index 1
        layers.add(roads); // index 0
    }

    // 100 x 100 pixels over the 0..10 square: 10 pixels per map unit.
    MapViewport viewport() const { return MapViewport(MapExtent(0, 0, 10, 10), QSize(100, 100)); }
    static QColor at(const QImage &image, int x, int y) { return image.pixelColor(x, y); }
    // The map with `set` drawn in `colour`, as markers `size` pixels wide, right after the layer at `index`.
    QImage renderWith(const MapRecordSet &set, const QColor &colour, int index, int size = MapSymbol().size)
    {
        MapSymbol symbol;
        symbol.color = symbol.outlineColor = colour;
        symbol.size = size;
        return MapRenderer::render(layers, viewport(), Sea, [&](int layer, MapPainter &painter) {
            if (layer == index)
                painter.drawRecordSet(set, symbol);
        });
    }
};

TEST_F(Rendering, LayersInTheirColoursOverTheBackground)
{
    const QImage image = MapRenderer::render(layers, viewport(), Sea);
    EXPECT_EQ(at(image, 5, 50), Sea) << "outside the polygon";
    EXPECT_EQ(at(image, 50, 50), QColor(Qt::white)) << "inside the polygon";
    EXPECT_EQ(at(image, 50, 5), QColor(Qt::black)) << "on the line";
    EXPECT_EQ(at(image, 55, 45), QColor(Qt::white)) << "the invisible grid draws nothing";
}

TEST_F(Rendering, RecordSetDrawnInTheTopLayerHandlerLiesOnTop)
{
    const MapRecordSet found = grid->SearchExpression("ALT >= 500 AND ALT <= 500");
    ASSERT_EQ(found.count(), 10u);
    const QImage image = renderWith(found, QColor(255, 0, 0), 0);
    // Column 5 lies at x = 5.5, pixel 55; row r at y = r + 0.5, pixel 95 - 10r.
    for (int r = 0; r < 9; ++r)
        EXPECT_EQ(at(image, 55, 95 - 10 * r), QColor(255, 0, 0)) << "row " << r;
    EXPECT_EQ(at(image, 55, 5), QColor(255, 0, 0)) << "drawn after the top layer, over the line";
    EXPECT_EQ(at(image, 54, 45), QColor(Qt::white)) << "beside a point";
    EXPECT_EQ(at(image, 45, 45), QColor(Qt::white)) << "column 4 is not in the set";
}

TEST_F(Rendering, PointsDrawnBeforeAnUpperLayerAreCovered)
{
    const QImage image = renderWith(grid->records(), QColor(0, 0, 255), 1); // after the polygon, before the line
    EXPECT_EQ(at(image, 55, 45), QColor(0, 0, 255));
    EXPECT_EQ(at(image, 55, 5), QColor(Qt::black)) << "the line, drawn later, covers the point of the top row";
    const QImage road = renderWith(roads->records(), QColor(255, 0, 0), 0, 5);
    EXPECT_TRUE(at(road, 50, 7) == QColor(255, 0, 0) && at(road, 50, 9) == Sea) << "a chosen line is as wide as its symbol";
}

// Markers written straight into the pixels (opaque symbols on 32-bit images)
// look as the painter draws them; half-transparent ones and other images go
// through the painter, blended.
TEST_F(Rendering, EveryImageAndSymbolGetsThePaintersPicture)
{
    const auto draw = [&](QImage::Format format, const QColor &fill, const QColor &outline) {
        MapSymbol symbol;
        symbol.color = fill, symbol.outlineColor = outline, symbol.size = 7;
        QImage image(100, 100, format);
        MapRenderer::render(image, layers, viewport(), Sea, [&](int, MapPainter &painter) { painter.drawRecordSet(grid->records(), symbol); });
        return image.convertToFormat(QImage::Format_RGB32);
    };
    const QColor red(255, 0, 0), glass(0, 0, 255, 128);
    for (const auto &[fill, outline] : {std::pair{red, red}, {red, QColor(Qt::blue)}, {glass, red}, {red, glass}})
        for (const QImage::Format format : {QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB32, QImage::Format_ARGB32})
            EXPECT_EQ(draw(format, fill, outline), draw(QImage::Format_RGB888, fill, outline)) << format << " " << fill.alpha();
}

TEST_F(Rendering, MarkersReachingTheRightEdgeStayInTheirRows)
{
    // Markers 11 pixels wide: the last column's points (pixel 95) reach the right edge exactly.
    const QImage image = renderWith(grid->SearchExpression("ALT = 900"), QColor(255, 0, 0), 0, 11);
    EXPECT_EQ(at(image, 99, 45), QColor(255, 0, 0));
    for (int y = 0; y < 100; ++y)
        ASSERT_NE(at(image, 0, y), QColor(255, 0, 0)) << "row " << y;
}

TEST_F(Rendering, GridLayersPutTheBoundariesOverTheHiddenGridOrShowTheGridAsLand)
{
    MapLayers under;
    AddGridLayers(under, grid->data(), [this] { return land->data(); });
    ASSERT_EQ(under.count(), 2);
    EXPECT_EQ(under.item(1)->data(), grid->data());
    EXPECT_FALSE(under.item(1)->isVisible());
    EXPECT_EQ(under.item(0)->data(), land->data());
    EXPECT_EQ(under.item(0)->color(), LandColour);
    const QImage image = MapRenderer::render(under, viewport(), MapBackColour);
    EXPECT_EQ(at(image, 5, 50), MapBackColour);
    EXPECT_EQ(at(image, 50, 50), LandColour);

    MapLayers alone;
    AddGridLayers(alone, grid->data(), [] { return std::shared_ptr<const ShapeLayer>(); });
    ASSERT_EQ(alone.count(), 1);
    EXPECT_TRUE(alone.item(0)->isVisible()) << "without boundaries the grid's points show the land";
    EXPECT_EQ(alone.item(0)->color(), LandColour);

    MapLayers failed;
    EXPECT_THROW(AddGridLayers(failed, grid->data(), []() -> std::shared_ptr<const ShapeLayer> { throw MapError(QStringLiteral("unreadable")); }),
                 MapError);
    ASSERT_EQ(failed.count(), 1) << "the grid stays";
    EXPECT_FALSE(failed.item(0)->isVisible());
}

// A multipoint feature shows all its vertices, and only the chosen feature's;
// a single polygon shape is filled, not marked at its corners.
TEST_F(Rendering, AChosenMultipointAndAPolygonShapeAreDrawnWhole)
{
    FixtureShapefile{.shpType = SHPT_MULTIPOINT, .shapes = {{{{1.5, 1.5}, {3.5, 1.5}}}, {{{5.5, 1.5}, {7.5, 1.5}}}},
                     .fields = {{"ID", 'N', 3, 0}}, .rows = {{"1"}, {"2"}}}
        .write(dir.filePath("trees.shp"));
    const QImage trees = renderWith(MapLayer::fromFile(dir.filePath("trees.shp"))->SearchExpression("ID = 1"), Qt::red, 0);
    for (const auto &[x, red] : {std::pair{15, true}, {35, true}, {55, false}, {75, false}})
        EXPECT_EQ(at(trees, x, 85) == QColor(Qt::red), red) << "pixel " << x;

    MapSymbol symbol;
    symbol.color = symbol.outlineColor = Qt::red;
    const MapShape square = MapShape::withParts(ShapeTypePolygon, {MapPoints({{3, 3}, {3, 7}, {7, 7}, {7, 3}, {3, 3}})});
    const QImage image = MapRenderer::render(layers, viewport(), Sea, [&](int layer, MapPainter &painter) {
        if (layer == 0)
            painter.drawShape(square, symbol);
    });
    EXPECT_EQ(at(image, 50, 50), QColor(Qt::red)) << "inside the square";
    EXPECT_NE(at(image, 25, 75), QColor(Qt::red)) << "outside the square";
}

// A row of points (an extent of no height) is shown whole, as high as the
// picture's shape asks; so is a column.
TEST(Viewport, ARowOrAColumnOfPointsIsShownWhole)
{
    EXPECT_EQ(MapViewport(MapExtent(0, 5, 10, 5), QSize(100, 50)).extent(), MapExtent(0, 2.5, 10, 7.5));
    EXPECT_EQ(MapViewport(MapExtent(5, 0, 5, 10), QSize(50, 100)).extent(), MapExtent(2.5, 0, 7.5, 10));
    EXPECT_EQ(MapViewport(MapExtent(), QSize(100, 100)).extent(), MapExtent(0, 0, 1, 1)) << "nothing to show";
}

class Export : public Rendering {
protected:
    QImage picture() { return MapRenderer::render(layers, MapViewport(MapExtent(0, 0, 10, 10), QSize(200, 120)), Sea); }

    static void expectFailure(const QImage &image, const QString &path, const char *reasonPart)
    {
        try {
            WriteBitmapFile(image, path);
            ADD_FAILURE() << "export to " << path.toStdString() << " succeeded";
        } catch (const MapError &error) {
            EXPECT_TRUE(error.message().contains(path)) << error.message().toStdString();
            EXPECT_TRUE(error.message().contains(QString::fromUtf8(reasonPart), Qt::CaseInsensitive))
                << error.message().toStdString();
        }
    }
};

TEST_F(Export, WritesABitmapOfTheImage)
{
    const QString path = dir.filePath("map.bmp");
    WriteBitmapFile(picture(), path);
    QImage back(path, "BMP");
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.size(), QSize(200, 120));
    EXPECT_EQ(back.pixelColor(100, 60), QColor(Qt::white));
    EXPECT_EQ(back.pixelColor(2, 60), Sea);
}

TEST_F(Export, FullDiskIsAnError)
{
    const QString full = FullDevice(dir.path());
    if (!QFile::exists(full))
        GTEST_SKIP() << "/dev/full is missing";
    expectFailure(picture(), full, "space");
}

TEST_F(Export, FailedExportLeavesTheExistingFileAlone)
{
    const QString path = dir.filePath("keep.bmp");
    ASSERT_TRUE(WriteFile(path, "the old picture"));
    const QImage image = picture();
    {
        const FileSizeLimit limit(1000); // the new picture fails half-way
        ASSERT_TRUE(limit.active());
        expectFailure(image, path, "");
    }
    EXPECT_EQ(ReadFile(path), "the old picture");
    EXPECT_EQ(QDir(dir.path()).entryList({"keep.bmp*"}, QDir::Files | QDir::Hidden),
              QStringList{"keep.bmp"}) << "no temporary file left behind";
}

} // namespace
