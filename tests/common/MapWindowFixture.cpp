#include "tests/common/MapWindowFixture.h"

#include "app/MainCommands.h"
#include "app/frmMain.h"
#include "catalogue/CurrentSpecies.h"
#include "mapping/windows/MapControl.h"
#include "mapping/windows/MapToolbar.h"
#include "mapping/MapViewport.h"
#include "mapping/windows/frmMap.h"
#include "tests/common/FixtureCatalogue.h"
#include "tests/common/FixtureShapefile.h"
#include "tests/common/WidgetTest.h"

#include <gtest/gtest.h>
#include <shapefil.h>

#include <QCoreApplication>
#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

namespace {

// POINTID, ALT, MAR, MAT of the nine grid points. Against the fixture's
// Acacia mangium (ALT 0-800, MAR 1000-4500, MAT 20-30):
//  1 all three ranges     2 rainfall and temperature   3 on every bound (inside)
//  4 altitude only        5 none                        6 rainfall only
//  7 temperature only     8 all three, on the clamped   9 none
//                           maximum 29.2
const char *const Grid[9][4] = {
    {"1", "500", "2000", "25"},  {"2", "2000", "2000", "25"}, {"3", "800", "4500", "20"},
    {"4", "100", "500", "10"},   {"5", "3000", "5000", "15"}, {"6", "3000", "1500", "15"},
    {"7", "3000", "500", "25"},  {"8", "0", "1000", "29.2"},    {"9", "6000", "8000", "-5"},
};

} // namespace

struct MapWindowFixture::Impl {
    explicit Impl(const QString &extraSql) : app(extraSql) {}
    FixtureApplication app;
};

MapWindowFixture::MapWindowFixture(const QString &extraSql) : d(new Impl(extraSql))
{
    QDir(d->app.folder()).mkpath(QStringLiteral("ShapeFiles"));
    const QString maps = d->app.folder() + QStringLiteral("/ShapeFiles/");
    std::vector<MapPoint> points;
    std::vector<std::vector<std::optional<std::string>>> rows;
    for (int i = 0; i < 9; ++i) {
        points.push_back(gridPoint(i + 1));
        rows.push_back({Grid[i][0], Grid[i][1], Grid[i][2], Grid[i][3], "1", "7", "0"});
    }
    PointFixture(points,
                 {{"POINTID", 'N', 6, 0}, {"ALT", 'N', 8, 0}, {"MAR", 'N', 8, 0}, {"MAT", 'F', 8, 1},
                  {"MAT_RANGE", 'N', 4, 0}, {"COUNT", 'N', 4, 0}, {"VALUE", 'N', 4, 0}},
                 rows)
        .write(maps + QStringLiteral("pasia_canvas.shp"));
    FixtureShapefile{.shpType = SHPT_POLYGON,
                     .shapes = {{{{99.5, -0.5}, {99.5, 2.5}, {102.5, 2.5}, {102.5, -0.5}, {99.5, -0.5}}}},
                     .fields = {{"NAME", 'C', 20, 0}}, .rows = {{"Fixtureland"}}}
        .write(maps + QStringLiteral("country_bnd.shp"));
}

MapWindowFixture::~MapWindowFixture() { delete d; }

QString MapWindowFixture::folder() const { return d->app.folder(); }

MapPoint MapWindowFixture::gridPoint(int pointId)
{
    const int i = pointId - 1;
    return {100.0 + i % 3, double(i / 3)};
}

void WriteFixtureProvinces(const QString &folder)
{
    FixtureShapefile{.shpType = SHPT_POLYGON,
                     .shapes = {{{{99.5, -0.5}, {99.5, 2.5}, {101.5, 2.5}, {101.5, -0.5}, {99.5, -0.5}}},
                                {{{101.5, -0.5}, {101.5, 2.5}, {102.5, 2.5}, {102.5, -0.5}, {101.5, -0.5}}}},
                     .fields = {{"NAME", 'C', 20, 0}, {"COUNTRY", 'C', 20, 0}, {"ISO_A2", 'C', 2, 0}},
                     .rows = {{"West", "Fixtureland", "FX"}, {"East", "Fixtureland", "FX"}}}
        .write(folder + QStringLiteral("/ShapeFiles/province_bnd.shp"));
}

QColor ColourNear(MapControl *map, const MapPoint &point)
{
    const QImage image = map->image();
    const MapViewport viewport(map->extent(), image.size());
    const QPoint at = viewport.toPixel(point).toPoint();
    for (int r = 0; r <= 3; ++r) {
        for (int dy = -r; dy <= r; ++dy) {
            for (int dx = -r; dx <= r; ++dx) {
                const QPoint p = at + QPoint(dx, dy);
                if (!image.rect().contains(p))
                    continue;
                const QColor c = image.pixelColor(p);
                if (c != QColor(Qt::white) && c != map->backColor() && c.alpha() == 255)
                    return c;
            }
        }
    }
    return image.rect().contains(at) ? image.pixelColor(at) : QColor();
}

void ExpectOutlivesItsMap(QWidget *window, frmMap *map)
{
    QPointer<QWidget> kept = window;
    QPointer<frmMap> closed = map;
    map->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(closed.isNull());
    ASSERT_FALSE(kept.isNull());
    EXPECT_TRUE(kept->isVisible());
    EXPECT_TRUE(kept->windowFlags() & Qt::WindowStaysOnTopHint);
}

void MapWindowsTest::SetUp()
{
    main = new frmMain;
    main->Load();
}

void MapWindowsTest::TearDown() { delete main; }

frmMap *MapWindowsTest::openMap(const QString &spId)
{
    SetCurrentSpID(spId);
    auto *map = Opened<frmMap>([&] { main->commands()->menuTM->trigger(); });
    EXPECT_TRUE(QTest::qWaitForWindowExposed(map));
    map->mapTree->refresh();
    map->mapTree->repaint();
    return map;
}

void ClickTool(frmMap *map, const QString &key)
{
    QTest::mouseClick(map->tbrMain->widgetForAction(map->tbrMain->button(key)), Qt::LeftButton);
}

void ClickAt(MapControl *map, int pointId)
{
    const MapViewport viewport(map->extent(), map->size());
    QTest::mouseClick(map, Qt::LeftButton, Qt::NoModifier, viewport.toPixel(MapWindowFixture::gridPoint(pointId)).toPoint());
}

QString SavedPngText(QAbstractButton *save, SaveDialogRunner &dialog, const char *key)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("map.png");
    dialog = [file](QFileDialog &d) { d.selectFile(file); return true; };
    QTest::mouseClick(save, Qt::LeftButton);
    return QImage(file).text(QString::fromLatin1(key));
}
