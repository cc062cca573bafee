// The map widget driven as a user and a map window drive it: redraw
// notifications, drawing only while drawing, extents, pointer codes, mouse
// input, the interactive pan and export.
#include "mapping/MapControl.h"
#include "mapping/MapError.h"
#include "tests/mapping/FixtureShapefile.h"
#include "tests/mapping/QtPrinters.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <shapefil.h>

#include <gtest/gtest.h>

namespace {

class MapControlTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    MapControl map;

    void SetUp() override
    {
        FixtureShapefile land;
        land.shpType = SHPT_POLYGON;
        land.shapes = {{{{100, 0}, {100, 20}, {120, 20}, {120, 0}, {100, 0}}}};
        land.fields = {{"NAME", 'C', 10, 0}};
        land.rows = {{"land"}};
        land.write(dir.filePath("land.shp"));
        PointFixture({{110, 10}, {105, 5}}, {{"POINTID", 'N', 4, 0}, {"ALT", 'N', 5, 0}}, {{"1", "1234"}, {"2", "10"}})
            .write(dir.filePath("grid.shp"));
        auto grid = MapLayer::fromFile(dir.filePath("grid.shp"));
        grid->setVisible(false);
        map.layers().add(grid);
        auto boundary = MapLayer::fromFile(dir.filePath("land.shp"));
        boundary->setColor(Qt::white);
        map.layers().add(boundary);
        map.resize(400, 200);
        map.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&map));
    }

    // Redraws and waits until the widget has painted.
    QImage redraw()
    {
        map.refresh();
        map.repaint();
        return map.image();
    }
};

TEST_F(MapControlTest, RefreshNotifiesEachVisibleLayerTopLast)
{
    QSignalSpy spy(&map, &MapControl::layerDrawn);
    redraw();
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 0);
    map.layers().item(1)->setVisible(true);
    spy.clear();
    redraw();
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 1);
    EXPECT_EQ(spy.at(1).at(0).toInt(), 0);
}

TEST_F(MapControlTest, HandlerDrawsSearchResultsOnTheMap)
{
    MapSymbol brown;
    brown.color = brown.outlineColor = QColor(128, 64, 64);
    QObject::connect(&map, &MapControl::layerDrawn, &map, [&](int index) {
        if (index == 0)
            map.drawShape(map.layers().item(1)->SearchExpression("ALT >= 1000"), brown);
    });
    const QImage image = redraw();
    const MapViewport viewport(map.extent(), map.size());
    const QPointF at = viewport.toPixel({110, 10});
    EXPECT_EQ(image.pixelColor(at.toPoint()), brown.color);
    const QPointF other = viewport.toPixel({105, 5});
    EXPECT_EQ(image.pixelColor(other.toPoint()), QColor(Qt::white)) << "ALT 10 is not drawn";
}

TEST_F(MapControlTest, HandlerErrorsDoNotStopTheRedraw)
{
    int calls = 0;
    QObject::connect(&map, &MapControl::layerDrawn, &map, [&](int) {
        ++calls;
        map.layers().item(1)->SearchExpression("ALT >=  AND ALT <= ");
    });
    map.layers().item(1)->setVisible(true);
    redraw();
    EXPECT_EQ(calls, 2);
}

TEST_F(MapControlTest, DrawingOutsideARedrawIsAnError)
{
    EXPECT_THROW(map.drawShape(MapShape::point(110, 10), MapSymbol()), MapError);
    EXPECT_THROW(map.drawText(QStringLiteral("x"), MapShape::point(110, 10), TextSymbol()), MapError);
}

TEST_F(MapControlTest, ExtentStartsFullAndKeepsTheWindowShape)
{
    EXPECT_EQ(map.fullExtent(), MapExtent(100, 0, 120, 20));
    const MapExtent shown = map.extent();
    EXPECT_DOUBLE_EQ(shown.width() / shown.height(), 2.0) << "400 x 200 pixels";
    EXPECT_DOUBLE_EQ(shown.center().x, 110);
    EXPECT_DOUBLE_EQ(shown.height(), 20);
    MapExtent zoomed = map.extent();
    zoomed.ScaleRectangle(0.75);
    map.setExtent(zoomed);
    EXPECT_DOUBLE_EQ(map.extent().width(), 30);
    EXPECT_DOUBLE_EQ(map.extent().center().y, 10);
}

TEST_F(MapControlTest, WindowPositionsAndDistancesInMapUnits)
{
    // 40 x 20 map units on 400 x 200 pixels: 0.1 unit per pixel.
    const MapPoint centre = map.toMapPoint(199.5, 99.5);
    EXPECT_DOUBLE_EQ(centre.x, 110);
    EXPECT_DOUBLE_EQ(centre.y, 10);
    const MapPoint corner = map.toMapPoint(0, 0);
    EXPECT_DOUBLE_EQ(corner.x, 90.05);
    EXPECT_DOUBLE_EQ(corner.y, 19.95);
    const double pixels = 100.0 / 1440 * map.logicalDpiX();
    EXPECT_DOUBLE_EQ(map.toMapDistance(100), pixels * 0.1);
}

TEST_F(MapControlTest, IdentifyAtAClickedPoint)
{
    const MapViewport viewport(map.extent(), map.size());
    const QPoint at = viewport.toPixel({110, 10}).toPoint() + QPoint(2, -1);
    const MapPoint clicked = map.toMapPoint(at.x(), at.y());
    MapRecordSet found = map.layers().item(1)->searchAtPoint(clicked, map.toMapDistance(100));
    ASSERT_FALSE(found.isEOF());
    EXPECT_EQ(found.valueText("POINTID"), QStringLiteral("1"));
    EXPECT_EQ(found.valueText("ALT"), QStringLiteral("1234"));
}

TEST_F(MapControlTest, MouseDownReportsButtonShiftAndPosition)
{
    QSignalSpy spy(&map, &MapControl::mouseDown);
    QTest::mouseClick(&map, Qt::LeftButton, Qt::ShiftModifier, QPoint(30, 40));
    QTest::mouseClick(&map, Qt::RightButton, Qt::ControlModifier | Qt::AltModifier, QPoint(5, 6));
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0), (QList<QVariant>{1, 1, 30.0, 40.0}));
    EXPECT_EQ(spy.at(1), (QList<QVariant>{2, 6, 5.0, 6.0}));
}

TEST_F(MapControlTest, PointerCodesShowFittingCursors)
{
    struct Case {
        int code;
        Qt::CursorShape shape;
    };
    for (const Case &c : {Case{PointerDefault, Qt::ArrowCursor}, Case{PointerPan, Qt::OpenHandCursor},
                          Case{PointerPanning, Qt::ClosedHandCursor}, Case{PointerZoomIn, Qt::BitmapCursor},
                          Case{PointerZoomOut, Qt::BitmapCursor}, Case{PointerIdentify, Qt::BitmapCursor},
                          Case{77, Qt::ArrowCursor}}) {
        map.setMousePointer(c.code);
        EXPECT_EQ(map.mousePointer(), c.code);
        EXPECT_EQ(map.cursor().shape(), c.shape) << "code " << c.code;
    }
}

TEST_F(MapControlTest, PanFollowsTheDragAndReturnsOnRelease)
{
    const MapExtent before = map.extent();
    bool returned = false;
    QObject::connect(&map, &MapControl::mouseDown, &map, [&](int, int, double, double) {
        map.setMousePointer(PointerPanning);
        QTimer::singleShot(0, &map, [&] {
            QTest::mouseMove(&map, QPoint(150, 120));
            QTest::mouseRelease(&map, Qt::LeftButton, Qt::NoModifier, QPoint(150, 120));
        });
        map.pan();
        returned = true;
        map.setMousePointer(PointerPan);
    });
    QTest::mousePress(&map, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_TRUE(returned);
    // Dragged 50 pixels right and 20 down: the view moves 5 units west and 2 north.
    EXPECT_NEAR(map.extent().left(), before.left() - 5, 1e-9);
    EXPECT_NEAR(map.extent().top(), before.top() + 2, 1e-9);
    EXPECT_EQ(map.mousePointer(), PointerPan);
}

TEST_F(MapControlTest, PanWithoutAPressedButtonReturnsAtOnce)
{
    const MapExtent before = map.extent();
    map.pan();
    EXPECT_EQ(map.extent(), before);
}

TEST_F(MapControlTest, ExportIsTwiceTheWindowWithTheHandlerDrawing)
{
    MapSymbol red;
    red.color = red.outlineColor = QColor(255, 0, 0);
    QObject::connect(&map, &MapControl::layerDrawn, &map, [&](int index) {
        if (index == 0)
            map.drawShape(map.layers().item(1)->SearchExpression("ALT >= 1000"), red);
    });
    MapExtent zoomed = map.extent();
    zoomed.ScaleRectangle(0.5);
    map.setExtent(zoomed);
    const QString path = dir.filePath("Tectona grandis.bmp");
    map.exportMap(1, path, 2);
    const QImage saved(path, "BMP");
    ASSERT_EQ(saved.size(), QSize(800, 400));
    const MapViewport viewport(map.extent(), QSize(800, 400), 2);
    const QPoint at = viewport.toPixel({110, 10}).toPoint();
    int redPixels = 0;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            redPixels += saved.pixelColor(at + QPoint(dx, dy)) == QColor(255, 0, 0);
    EXPECT_EQ(redPixels, 4) << "a point of size 1 is 2 by 2 pixels at scale 2";
    EXPECT_EQ(saved.pixelColor(5, 5), QColor(Qt::white)) << "zoomed into the land: only land shows";
    EXPECT_THROW(map.exportMap(2, dir.filePath("x.png"), 2), MapError);
    EXPECT_THROW(map.exportMap(1, dir.filePath("missing/x.bmp"), 2), MapError);
}

} // namespace
