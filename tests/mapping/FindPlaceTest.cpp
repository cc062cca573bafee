// The Find Place boxes, the province outlines and identify's province, driven
// as a user drives them on the fixture map with a small place index.
#include "app/MainCommands.h"
#include "app/frmMain.h"
#include "controls/ReportList.h"
#include "mapping/windows/MapNavigator.h"
#include "mapping/windows/MapControl.h"
#include "mapping/windows/MapPlaceTools.h"
#include "mapping/windows/frmIdentifyEngine.h"
#include "mapping/windows/frmIdentifyMap.h"
#include "mapping/windows/frmMap.h"
#include "places/windows/FindPlaceBox.h"
#include "tests/common/Files.h"
#include "tests/common/MapWindowFixture.h"
#include "tests/common/QtPrinters.h"
#include "tests/common/WidgetTest.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCompleter>
#include <QTest>


namespace {

class FindPlace : public MapWindowsTest {
protected:
    void SetUp() override
    {
        const QString maps = fixture.folder() + QStringLiteral("/ShapeFiles/");
        const auto place = [](const char *name, double lon, double lat, QStringList alternates) {
            return PlaceIndex::Entry{{QString::fromUtf8(name), PlaceKind::Place, {}, QStringLiteral("West"), QStringLiteral("FX"),
                                      QStringLiteral("Fixtureland"), lon, lat, 1000},
                                     alternates};
        };
        PlaceIndex::build({place("Ðà Lạt", 100, 0, {"Dalat"}), place("Chiang Mai", 101, 1, {"เชียงใหม่"})})
            .write(maps + QStringLiteral("places.idx"));
        WriteFixtureProvinces(fixture.folder());
        MapWindowsTest::SetUp();
    }
};

// Types as a keyboard does; letters beyond ASCII come as key events carrying
// their text, as an input method sends them.
void typeText(QWidget *box, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Types into a box and picks the first row with the keys.
void chooseFirstRow(FindPlaceBox *box, const QString &text)
{
    typeText(box, text);
    QAbstractItemView *rows = box->findChild<QCompleter *>()->popup();
    ASSERT_TRUE(rows->isVisible());
    QTest::keyClick(rows, Qt::Key_Down);
    QTest::keyClick(rows, Qt::Key_Return);
}

TEST_F(FindPlace, MainWindowBoxOpensAMapOnThePlaceWithItsSpecies)
{
    FindPlaceBox *box = main->commands()->txtFindPlace;
    ASSERT_TRUE(box->isEnabled());
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(box->hasFocus());
    typeText(box, QStringLiteral("da lat"));
    EXPECT_EQ(box->rows(), QStringList{QStringLiteral("Ðà Lạt \u2014 West, Fixtureland")});
    box->clear();
    auto *map = Opened<frmMap>([&] { chooseFirstRow(box, QStringLiteral("DALAT")); });
    ASSERT_TRUE(map);
    EXPECT_EQ(map->placeTools->shownPlace()->name, QStringLiteral("Ðà Lạt"));
    EXPECT_NEAR(map->mapTree->extent().center().x, 100, 1e-9);
    EXPECT_EQ(map->navigator->zoomLevel(), PlaceZoomLevel);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(map));
    map->mapTree->repaint();
    EXPECT_EQ(ColourNear(map->mapTree, MapWindowFixture::gridPoint(1)), QColor(220, 30, 30)); // the place's mark
    const QList<frmIdentifyEngine *> species = TopLevelWindows<frmIdentifyEngine>(true);
    ASSERT_EQ(species.size(), 1);
    EXPECT_EQ(species[0]->windowTitle(), QStringLiteral("Suitable Tree Species - Ðà Lạt \u2014 West, Fixtureland"));
    EXPECT_EQ(ColumnTexts(species[0]->lstSTS, 1), (QStringList{"Acacia mangium", "Tectona grandis", "Markhamia stipulata"}));

    // Chosen again from the main window, the open map moves: no second map.
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    chooseFirstRow(box, QStringLiteral("เชียงใหม่"));
    EXPECT_EQ(TopLevelWindows<frmMap>(true).size(), 1);
    EXPECT_NEAR(map->mapTree->extent().center().y, 1, 1e-9);
}

TEST_F(FindPlace, MapWindowDrawsProvincesOnRequestAndIdentifyNamesThem)
{
    frmMap *map = openMap("1");
    EXPECT_FALSE(map->placeTools->chkProvinces->isChecked());
    const MapPoint border{101.5, 2.2}; // on the line between the provinces, away from the grid's points
    EXPECT_EQ(ColourNear(map->mapTree, border), QColor(Qt::white));
    QTest::mouseClick(map->placeTools->chkProvinces, Qt::LeftButton);
    map->mapTree->repaint();
    EXPECT_EQ(ColourNear(map->mapTree, border), QColor(110, 110, 110));

    ClickTool(map, "k4");
    ClickAt(map->mapTree, 3);
    frmIdentifyMap *identify = TopLevelWindows<frmIdentifyMap>(true).value(0);
    ASSERT_TRUE(identify);
    EXPECT_EQ(ColumnTexts(identify->lstIdentifyMap, 1).mid(3), (QStringList{"Fixtureland", "East"}));

    // The map's own box, by Ctrl+L in the map window.
    map->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(map));
    QTest::keyClick(map, Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(map->placeTools->txtFindPlace->hasFocus());
    chooseFirstRow(map->placeTools->txtFindPlace, QStringLiteral("chiang"));
    EXPECT_EQ(map->placeTools->shownPlace()->name, QStringLiteral("Chiang Mai"));
}

TEST_F(FindPlace, ADamagedIndexLeavesTheBoxUnavailableAndTheRestWorking)
{
    delete main;
    ASSERT_TRUE(WriteFile(fixture.folder() + QStringLiteral("/ShapeFiles/places.idx"), "SILVARIA PLACES1 truncated"));
    main = new frmMain;
    main->Load();
    FindPlaceBox *box = main->commands()->txtFindPlace;
    EXPECT_FALSE(box->isEnabled());
    EXPECT_EQ(box->placeholderText(), QStringLiteral("Places unavailable"));
    EXPECT_TRUE(box->toolTip().contains(QStringLiteral("cut short"))) << box->toolTip().toStdString();
    frmMap *map = openMap("1");
    EXPECT_FALSE(map->placeTools->txtFindPlace->isEnabled());
    EXPECT_EQ(ColourNear(map->mapTree, MapWindowFixture::gridPoint(1)), QColor(128, 64, 64)); // still draws its classes
}

} // namespace
