// The suitability map window, driven as a user drives it: classes and legends
// for the species, typed ranges and hostile text in them, the zoom and identify
// tools, labels, and damaged map files.
#include "app/frmMain.h"
#include "catalogue/CurrentSpecies.h"
#include "controls/ReportList.h"
#include "mapping/windows/MapNavigator.h"
#include "mapping/windows/MapControl.h"
#include "mapping/windows/MapToolbar.h"
#include "mapping/MapViewport.h"
#include "mapping/windows/frmIdentifyMap.h"
#include "mapping/windows/frmMap.h"
#include "mapping/labels/LabelLayer.h"
#include "tests/common/WidgetTest.h"
#include "tests/common/MapWindowFixture.h"
#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>


namespace {

const QColor Red(255, 0, 0), Blue(0, 0, 255), Green(0, 255, 0), Brown(128, 64, 64), White(255, 255, 255);

class MapWindow : public MapWindowsTest {
protected:
    void redraw(frmMap *map)
    {
        map->mapTree->refresh();
        map->mapTree->repaint();
    }
    QColor at(frmMap *map, int pointId) { return ColourNear(map->mapTree, MapWindowFixture::gridPoint(pointId)); }
    QStringList boxes(frmMap *map)
    {
        return {map->txtALTMin->text(), map->txtALTMax->text(), map->txtMARMin->text(),
                map->txtMARMax->text(), map->txtMATMin->text(), map->txtMATMax->text()};
    }
    bool legendShown(frmMap *map, int entry) { return map->picLegend[entry]->isVisibleTo(map) && map->lblLegend[entry]->isVisibleTo(map); }
};

} // namespace

TEST_F(MapWindow, CompleteRangesDrawOnlyTheSpeciesClass)
{
    // Boxes, captions and legend as they open stand in the window layout test.
    frmMap *map = openMap("1");
    const QList<QAction *> actions = map->tbrMain->actions();
    EXPECT_TRUE(actions[actions.indexOf(map->tbrMain->button("k6")) - 1]->isSeparator()) << "the tools, then the commands";
    EXPECT_EQ(at(map, 1), Brown);
    EXPECT_EQ(at(map, 3), Brown) << "a value equal to a bound is inside";
    EXPECT_EQ(at(map, 8), Brown);
    EXPECT_EQ(at(map, 2), White) << "outside the altitude range only";
}

TEST_F(MapWindow, AllClassesPaintTheMostCompleteMatchOnTop)
{
    frmMap *map = openMap("1");
    for (QCheckBox *box : {map->chkLayerALT, map->chkLayerMAR, map->chkLayerMAT})
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(5, box->height() / 2));
    redraw(map);
    EXPECT_EQ(at(map, 1), Brown);
    EXPECT_EQ(at(map, 2), Green) << "inside rainfall and temperature, outside altitude";
    EXPECT_EQ(at(map, 4), Red);
    EXPECT_EQ(at(map, 6), Blue);
    EXPECT_EQ(at(map, 7), Green);
    EXPECT_EQ(at(map, 5), White);
    for (int entry = 4; entry <= 7; ++entry)
        EXPECT_TRUE(legendShown(map, entry)) << entry;
}

TEST_F(MapWindow, TypedBoundsTakeEffectOnGenerateMapAndStay)
{
    frmMap *map = openMap("1");
    map->txtALTMin->clear();
    QTest::keyClicks(map->txtALTMin, "  250 ");
    // Before Generate Map every drawing, a saved picture's too, reloads the
    // catalogue ranges, and the picture's stamp names them.
    EXPECT_EQ(SavedPngText(map->cmdSaveToImage, map->saveDialog, "Ranges"), "ALT 0 to 800 m, MAR 1000 to 4500 mm, MAT 20 to 29.2 \u00b0C");
    EXPECT_EQ(map->txtALTMin->text(), "0");
    map->txtALTMin->clear();
    QTest::keyClicks(map->txtALTMin, "  250 ");
    ClickTool(map, "k7");
    map->mapTree->repaint();
    EXPECT_EQ(map->navigator->rangeSource(), RangeSource::Boxes);
    EXPECT_EQ(SavedPngText(map->cmdSaveToImage, map->saveDialog, "Ranges"), "ALT 250 to 800 m, MAR 1000 to 4500 mm, MAT 20 to 29.2 \u00b0C");
    EXPECT_EQ(at(map, 1), Brown);
    EXPECT_EQ(at(map, 8), White) << "ALT 0 is now below the typed minimum";
    // Default Value puts the stored ranges back without redrawing.
    QTest::mouseClick(map->cmdDefaultValue, Qt::LeftButton);
    EXPECT_EQ(boxes(map), (QStringList{"0", "800", "1000", "4500", "20", "30"}));
}

TEST_F(MapWindow, CheckBoxReturnsToFullExtentAndKeepsTheTool)
{
    frmMap *map = openMap("1");
    const double fullWidth = map->mapTree->extent().width();
    ClickTool(map, "k1");
    ClickAt(map->mapTree, 5);
    ClickAt(map->mapTree, 5);
    EXPECT_EQ(map->navigator->zoomLevel(), 3);
    QTest::mouseClick(map->chkLayerMAR, Qt::LeftButton, Qt::NoModifier, QPoint(5, map->chkLayerMAR->height() / 2));
    EXPECT_EQ(map->navigator->zoomLevel(), 1);
    EXPECT_NEAR(map->mapTree->extent().width(), fullWidth, fullWidth * 1e-9);
    EXPECT_EQ(map->tbrMain->pressedTool(), "k1");
    EXPECT_TRUE(map->tbrMain->button("k1")->isEnabled());
    // Generate Map keeps the tool too.
    ClickTool(map, "k7");
    EXPECT_EQ(map->tbrMain->pressedTool(), "k1");
    // So does a second click on the pressed tool: the map still zooms.
    ClickTool(map, "k1");
    EXPECT_EQ(map->tbrMain->pressedTool(), "k1");
    ClickAt(map->mapTree, 5);
    EXPECT_EQ(map->navigator->zoomLevel(), 2);
    // Zooming out past the full extent shows more but stays the first level.
    ClickTool(map, "k2");
    ClickAt(map->mapTree, 5);
    ClickAt(map->mapTree, 5);
    EXPECT_EQ(map->navigator->zoomLevel(), 1);
}

TEST_F(MapWindow, IdentifyOpensTheAttributesAndLabelsTheAltitude)
{
    frmMap *map = openMap("1");
    ClickTool(map, "k4");
    EXPECT_EQ(map->mapTree->mousePointer(), 55);
    ClickAt(map->mapTree, 2);
    const QList<frmIdentifyMap *> shown = TopLevelWindows<frmIdentifyMap>();
    ASSERT_FALSE(shown.isEmpty());
    frmIdentifyMap *window = shown.last();
    EXPECT_EQ(window->windowTitle(), "Point Id: 2");
    EXPECT_EQ(ColumnTexts(window->lstIdentifyMap, 0), (QStringList{"ALT", "MAR", "MAT", "Country", "Province"}));
    EXPECT_EQ(ColumnTexts(window->lstIdentifyMap, 1), (QStringList{"2000", "2000", "25", "Fixtureland", ""}));
    ASSERT_EQ(map->labels().count(), 1);
    EXPECT_EQ(map->labels().label(0).Text, "2000");

    // Far from every point: no window and no label.
    const int windows = int(QApplication::topLevelWidgets().size());
    const QPointF sea = MapViewport(map->mapTree->extent(), map->mapTree->size()).toPixel({99.6, 2.4});
    QTest::mouseClick(map->mapTree, Qt::LeftButton, Qt::NoModifier, sea.toPoint());
    EXPECT_EQ(map->labels().count(), 1);
    EXPECT_EQ(int(QApplication::topLevelWidgets().size()), windows);

    // Clear Label removes every label at once.
    QTest::mouseClick(map->cmdClear, Qt::LeftButton);
    EXPECT_EQ(map->labels().count(), 0);

    ExpectOutlivesItsMap(window, map);
}

TEST_F(MapWindow, UnknownOrMalformedSpeciesShowsAnEmptyMapAndSaysSo)
{
    for (const char *id : {"999", "40000", "abc"}) {
        SetCurrentSpID(id);
        frmMap *map = nullptr;
        const QString text = AnswerMessageBox([&] {
            map = new frmMap(main);
            map->show();
            QTest::qWait(100);
        });
        EXPECT_TRUE(text.contains("No species with the identifier")) << id << ": " << text.toStdString();
        redraw(map);
        EXPECT_EQ(at(map, 1), White) << id;
    }
}

TEST_F(MapWindow, HostileRangeTextCountsAsMissing)
{
    frmMap *map = openMap("1");
    QTest::mouseClick(map->tbrMain->widgetForAction(map->tbrMain->button("k7")), Qt::LeftButton); // boxes from now on
    for (const QString &text : {QString(20000, QLatin1Char('9')), QStringLiteral("' OR 1=1 --"), QStringLiteral("ĐINH"),
                                QStringLiteral("1e999"), QStringLiteral("0x10"), QStringLiteral("  ")}) {
        SCOPED_TRACE(text.left(20).toStdString());
        map->txtALTMin->setText(text);
        redraw(map);
        EXPECT_EQ(map->txtALTMin->text(), "0") << "no number: the bound is missing";
        EXPECT_EQ(map->lblDescParam->text(), "MAR - MAT");
    }
    // A minimum above the data's range stays: its range lies outside the data and matches nothing.
    map->txtALTMin->setText("99999");
    redraw(map);
    EXPECT_EQ(map->txtALTMin->text(), "99999");
}

TEST(MapFileFaults, OpeningTheMapNamesTheFileAndGoesOn)
{
    // A file of either layer, missing or cut short (the reader's tests cover every damage).
    for (const auto &[file, cutShort] : {std::pair{"pasia_canvas.shp", false}, std::pair{"country_bnd.dbf", true}}) {
        SCOPED_TRACE(file);
        MapWindowFixture fixture;
        QFile damaged(fixture.folder() + "/ShapeFiles/" + file);
        if (cutShort)
            ASSERT_TRUE(damaged.open(QIODevice::ReadWrite) && damaged.resize(damaged.size() / 2 + 3));
        else
            damaged.remove();
        frmMain main;
        main.Load();
        SetCurrentSpID("1");
        frmMap *map = nullptr;
        const QString message = AnswerMessageBox([&] {
            map = new frmMap(&main);
            map->show();
            QTest::qWait(50);
        });
        EXPECT_TRUE(message.contains(QString::fromLatin1(file).section('.', 0, 0))) << message.toStdString();
        // The window still works: a redraw, a full extent and Close.
        map->mapTree->refresh();
        map->mapTree->repaint();
        ClickTool(map, "k6");
        map->close();
    }
}
