// The map widget driven as a user and a map window drive it: redraw
// notifications, drawing only while drawing, extents, pointer codes, mouse
// input, the interactive pan and export.
#include "mapping/windows/MapControl.h"
#include "mapping/MapError.h"
#include "mapping/MapExport.h"
#include "tests/common/FixtureShapefile.h"
#include "tests/common/QtPrinters.h"

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
        FixtureShapefile{.shpType = SHPT_POLYGON, .shapes = {{{{100, 0}, {100, 20}, {120, 20}, {120, 0}, {100, 0}}}},
                         .fields = {{"NAME", 'C', 10, 0}}, .rows = {{"land"}}}
            .write(dir.filePath("land.shp"));
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

TEST_F(MapControlTest, ExportWritesTheScaledBitmapOrRefusesTheScaleOrFormat)
{
    map.exportMap(ExportFormatBitmap, dir.filePath("map.bmp"), 2);
    EXPECT_EQ(QImage(dir.filePath("map.bmp")).size(), redraw().size() * 2);
    for (const auto &[format, scale] : {std::pair{ExportFormatBitmap, 0.0}, {ExportFormatBitmap, 16.5}, {ExportFormatBitmap + 1, 1.0}})
        EXPECT_THROW(map.exportMap(format, dir.filePath("no.bmp"), scale), MapError) << format << " " << scale;
    EXPECT_FALSE(QFile::exists(dir.filePath("no.bmp")));
}

TEST_F(MapControlTest, APressSaysItsButtonAndKeys)
{
    QSignalSpy down(&map, &MapControl::mouseDown);
    QTest::mousePress(&map, Qt::RightButton, Qt::AltModifier, QPoint(10, 20));
    QTest::mousePress(&map, Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier, QPoint(30, 40));
    ASSERT_EQ(down.size(), 2);
    EXPECT_EQ(down[0], (QVariantList{int(Qt::RightButton), 4, 10.0, 20.0}));
    EXPECT_EQ(down[1], (QVariantList{int(Qt::LeftButton), 3, 30.0, 40.0}));
}

} // namespace
