// Faults a user can meet with the map window: damaged map files, hostile text
// in the range boxes, clicks at and beyond the map's edges. Each ends with a
// clear message or no effect, and the window stays usable.
#include "app/frmMain.h"
#include "catalogue/CurrentSpecies.h"
#include "mapping/MapNavigator.h"
#include "mapping/MapControl.h"
#include "mapping/MapToolbar.h"
#include "mapping/frmMap.h"
#include "mapping/labels/LabelLayer.h"
#include "tests/common/WidgetTest.h"
#include "tests/mapping/MapWindowFixture.h"

#include <gtest/gtest.h>

#include <tuple>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

enum class Damage { Missing, Empty, Truncated };

void damage(const QString &path, Damage how)
{
    if (how == Damage::Missing) {
        QFile::remove(path);
        return;
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.resize(how == Damage::Empty ? 0 : f.size() / 2 + 3));
}

// Each of the three files of both layers, missing, empty or truncated.
using FileFault = std::tuple<const char * /* layer */, const char * /* extension */, Damage>;

class MapFileFaults : public ::testing::TestWithParam<FileFault> {};

} // namespace

TEST_P(MapFileFaults, OpeningTheMapNamesTheFileAndGoesOn)
{
    const auto [layer, extension, how] = GetParam();
    MapWindowFixture fixture;
    damage(fixture.folder() + "/ShapeFiles/" + layer + "." + extension, how);
    frmMain main;
    main.Load();
    SetCurrentSpID("1");
    frmMap *map = nullptr;
    const QString message = AnswerMessageBox([&] {
        map = new frmMap(&main);
        map->show();
        QTest::qWait(50);
    });
    EXPECT_TRUE(message.contains(QString::fromLatin1(layer))) << message.toStdString();
    // The window still works: a redraw, a full extent and Close.
    map->mapTree->refresh();
    map->mapTree->repaint();
    QTest::mouseClick(map->tbrMain->widgetForAction(map->tbrMain->button("k6")), Qt::LeftButton);
    map->close();
}

namespace {

// The map window of species 1 over the loaded main window.
frmMap *openMap(frmMain &main)
{
    main.Load();
    SetCurrentSpID("1");
    auto *map = new frmMap(&main);
    map->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(map));
    return map;
}

std::string faultName(const ::testing::TestParamInfo<FileFault> &info)
{
    static const char *const how[] = {"Missing", "Empty", "Truncated"};
    const auto [layer, extension, damage] = info.param;
    return std::string(layer) + "_" + extension + "_" + how[int(damage)];
}

} // namespace

INSTANTIATE_TEST_SUITE_P(EveryFileOfBothLayers, MapFileFaults,
                         ::testing::Combine(::testing::Values("pasia_canvas", "country_bnd"),
                                            ::testing::Values("shp", "shx", "dbf"),
                                            ::testing::Values(Damage::Missing, Damage::Empty, Damage::Truncated)),
                         faultName);

TEST(MapWindowInput, HostileRangeTextCountsAsMissing)
{
    MapWindowFixture fixture;
    frmMain main;
    frmMap *map = openMap(main);
    QTest::mouseClick(map->tbrMain->widgetForAction(map->tbrMain->button("k7")), Qt::LeftButton); // boxes from now on
    for (const QString &text : {QString(20000, QLatin1Char('9')), QStringLiteral("' OR 1=1 --"), QStringLiteral("ĐINH"),
                                QStringLiteral("1e999"), QStringLiteral("0x10"), QStringLiteral("  ")}) {
        SCOPED_TRACE(text.left(20).toStdString());
        map->txtALTMin->setText(text);
        map->mapTree->refresh();
        map->mapTree->repaint();
        EXPECT_EQ(map->txtALTMin->text(), "0") << "no number: the bound is missing";
        EXPECT_EQ(map->lblDescParam->text(), "MAR - MAT");
    }
    // A minimum beyond the data's range is set to the range's lower end.
    map->txtALTMin->setText("99999");
    map->mapTree->refresh();
    map->mapTree->repaint();
    EXPECT_EQ(map->txtALTMin->text(), "0");
}

TEST(MapWindowInput, ClicksAtAndBeyondTheEdgesDoNothingHarmful)
{
    MapWindowFixture fixture;
    frmMain main;
    frmMap *map = openMap(main);
    const QSize size = map->mapTree->size();
    // (QTest takes the point 0, 0 for "the middle", so the top-left corner is 1, 1.)
    const QList<QPoint> edges{{1, 1}, {size.width() - 1, 0}, {0, size.height() - 1}, {size.width() - 1, size.height() - 1}};
    const auto tool = [&](const char *key) {
        QTest::mouseClick(map->tbrMain->widgetForAction(map->tbrMain->button(key)), Qt::LeftButton);
    };
    tool("k2"); // zoom out far beyond the data
    for (int i = 0; i < 12; ++i)
        QTest::mouseClick(map->mapTree, Qt::LeftButton, Qt::NoModifier, edges[i % 4]);
    EXPECT_EQ(map->navigator->zoomLevel(), 1);
    for (const char *key : {"k4", "k5"}) {
        tool(key);
        for (const QPoint &at : edges)
            QTest::mouseClick(map->mapTree, Qt::LeftButton, Qt::NoModifier, at);
    }
    EXPECT_EQ(map->labels().count(), 0) << "nothing lies at the corners of a zoomed-out map";
    tool("k1"); // zoom in at the corners up to the last step
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(map->mapTree, Qt::LeftButton, Qt::NoModifier, edges[i % 4]);
    EXPECT_EQ(map->navigator->zoomLevel(), 9);
    EXPECT_FALSE(map->tbrMain->button("k1")->isEnabled());
    tool("k6");
    EXPECT_EQ(map->navigator->zoomLevel(), 1);
    map->close();
}
