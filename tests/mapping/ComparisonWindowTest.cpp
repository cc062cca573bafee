// The comparison window driven as a user drives it: opened from the View menu,
// toolbar buttons, clicks and drags on either map, check boxes, "Generate Map",
// and the species chooser.
#include "controls/ReportList.h"
#include "mapping/windows/MapNavigator.h"
#include "mapping/windows/MapControl.h"
#include "mapping/windows/MapToolbar.h"
#include "mapping/windows/MapPlaceTools.h"
#include "mapping/windows/frmCompare.h"
#include "mapping/windows/frmIdentifyEngine.h"
#include "places/windows/FindPlaceBox.h"
#include "mapping/windows/frmSpecies.h"
#include "tests/common/QtPrinters.h"
#include "tests/common/WidgetTest.h"
#include "tests/mapping/CompareFixture.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

class ComparisonWindow : public CompareWindowTest {
protected:
    void SetUp() override
    {
        CompareWindowTest::SetUp();
        ASSERT_NE(openComparison(), nullptr);
        drawBoth();
        full1 = compare->mapTree->extent();
        full2 = compare->mapTree2->extent();
    }

    QAction *tool(const char *key) { return compare->tbrMain->button(QString::fromLatin1(key)); }
    static void type(QLineEdit *box, const QString &text)
    {
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    // Chooses a species for a side through the chooser, as a user does.
    void choose(int side, const QString &name)
    {
        withChooser(side, [&](frmSpecies *chooser) {
            QTest::keyClicks(chooser->txtSpecies, name);
            ASSERT_EQ(chooser->lstSpecies->topLevelItemCount(), 1);
            ClickItem(chooser->lstSpecies, chooser->lstSpecies->topLevelItem(0), 1);
            QTest::keyClick(chooser->lstSpecies, Qt::Key_Return);
        });
    }

    MapExtent full1, full2;
};

// Clicks a check box on its box, as a user does.
void clickCheck(QCheckBox *box) { QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2)); }

QStringList boxes(const ParameterPanel &p)
{
    return {p.txtALTMin->text(), p.txtALTMax->text(), p.txtMARMin->text(),
            p.txtMARMax->text(), p.txtMATMin->text(), p.txtMATMax->text()};
}

const QStringList AllSpecies{"Acacia mangium",      "Tectona grandis", "Dendrocalamus asper", "Calamus manan",
                             "Markhamia stipulata", "Orphanus testus", "Pandanus d'urvillei", "Myrica esculenta"};

} // namespace

TEST_F(ComparisonWindow, OpensWithTheCurrentSpeciesOnBothMaps)
{
    for (int side : {1, 2}) {
        SCOPED_TRACE(side);
        MapControl *map = side == 1 ? compare->mapTree : compare->mapTree2;
        EXPECT_EQ((side == 1 ? compare->txtSp1 : compare->txtSp2)->text(), "Acacia mangium");
        const ParameterPanel &panel = side == 1 ? compare->panel1 : compare->panel2;
        EXPECT_EQ(boxes(panel), (QStringList{"0", "800", "1000", "4500", "20", "29.2"}));
        // Only the species layer is shown at first.
        for (QCheckBox *box : panel.layerChecks())
            EXPECT_EQ(box->isChecked(), box == panel.chkLayerMap) << box->text().toStdString();
        EXPECT_TRUE(shows(map, GridPoint(1), SpeciesBrown));
        EXPECT_FALSE(shows(map, GridPoint(2), SpeciesBrown)); // outside the altitude range only
    }
}

TEST_F(ComparisonWindow, ZoomInOnEitherMapZoomsBothUntilLevelNine)
{
    clickTool("k1");
    EXPECT_EQ(compare->mapTree->mousePointer(), PointerZoomIn);
    EXPECT_EQ(compare->mapTree2->mousePointer(), PointerZoomIn);
    clickMap(compare->mapTree2);
    EXPECT_EQ(compare->navigator->zoomLevel(), 2);
    EXPECT_NEAR(compare->mapTree->extent().width(), full1.width() * 0.75, 1e-9);
    EXPECT_NEAR(compare->mapTree2->extent().width(), full2.width() * 0.75, 1e-9);
    for (int click = 2; click <= 8; ++click)
        clickMap(click % 2 ? compare->mapTree : compare->mapTree2);
    EXPECT_EQ(compare->navigator->zoomLevel(), 9);
    EXPECT_FALSE(tool("k1")->isChecked());
    EXPECT_FALSE(tool("k1")->isEnabled());
    EXPECT_EQ(compare->mapTree->mousePointer(), PointerDefault);
    EXPECT_EQ(compare->mapTree2->mousePointer(), PointerDefault);
    const double zoomed = compare->mapTree->extent().width();
    clickMap(compare->mapTree);
    EXPECT_EQ(compare->mapTree->extent().width(), zoomed) << "no tool is pressed any more";
}

TEST_F(ComparisonWindow, CheckBoxBringsOnlyItsOwnMapBackToTheFullExtent)
{
    clickTool("k1");
    for (int i = 0; i < 3; ++i)
        clickMap(compare->mapTree);
    ASSERT_EQ(compare->navigator->zoomLevel(), 4);
    const MapExtent zoomed1 = compare->mapTree->extent();

    clickCheck(compare->panel2.chkLayerMAT);
    drawBoth();
    EXPECT_EQ(compare->navigator->zoomLevel(), 1);
    EXPECT_EQ(compare->mapTree2->extent(), full2);
    EXPECT_EQ(compare->mapTree->extent(), zoomed1);
    // No tool is shown pressed, so a click on a map does nothing, while the pointer keeps the last tool.
    EXPECT_EQ(compare->tbrMain->pressedTool(), "");
    EXPECT_TRUE(tool("k1")->isEnabled());
    EXPECT_EQ(compare->mapTree->mousePointer(), PointerZoomIn);
    clickMap(compare->mapTree);
    EXPECT_EQ(compare->mapTree->extent(), zoomed1);
    // The new check box state shows on its own map only: point 7 matches the temperature range only.
    EXPECT_TRUE(shows(compare->mapTree2, GridPoint(7), TemperatureGreen));
    EXPECT_FALSE(shows(compare->mapTree, GridPoint(7), TemperatureGreen));
}

TEST_F(ComparisonWindow, GenerateMapRedrawsBothMapsFromTheirBoxes)
{
    // Typed, not generated: a saved picture is drawn and stamped with the catalogue ranges.
    type(compare->panel1.txtALTMax, " 400 ");
    EXPECT_EQ(SavedPngText(compare->cmdSave1, compare->saveDialog, "Ranges"),
              "ALT 0 to 800 m, MAR 1000 to 4500 mm, MAT 20 to 29.2 \u00b0C");
    EXPECT_EQ(compare->panel1.txtALTMax->text(), "800");
    type(compare->panel1.txtALTMax, " 400 ");
    QSignalSpy drawn2(compare->mapTree2, &MapControl::layerDrawn);
    clickTool("k7");
    drawBoth();
    EXPECT_EQ(compare->navigator->rangeSource(), RangeSource::Boxes);
    EXPECT_EQ(SavedPngText(compare->cmdSave1, compare->saveDialog, "Ranges").section(',', 0, 0), "ALT 0 to 400 m");
    EXPECT_FALSE(shows(compare->mapTree, GridPoint(1), SpeciesBrown)); // ALT 500 is above the typed 400
    EXPECT_TRUE(shows(compare->mapTree, GridPoint(8), SpeciesBrown));
    // The untouched side is redrawn, from its boxes too.
    EXPECT_GE(drawn2.count(), 1);
    EXPECT_EQ(boxes(compare->panel2), (QStringList{"0", "800", "1000", "4500", "20", "29.2"}));
    EXPECT_TRUE(shows(compare->mapTree2, GridPoint(1), SpeciesBrown));

    // From now on every drawing of either map reads its boxes.
    type(compare->panel2.txtMARMin, "1500");
    clickTool("k6");
    drawBoth();
    EXPECT_FALSE(shows(compare->mapTree2, GridPoint(8), SpeciesBrown)); // MAR 1000 is below the typed 1500
    EXPECT_TRUE(shows(compare->mapTree2, GridPoint(1), SpeciesBrown));
    EXPECT_EQ(compare->panel1.txtALTMax->text(), "400");
}

TEST_F(ComparisonWindow, ChosenSpeciesShowsAtTheNextDrawingOfItsMap)
{
    choose(2, "esculenta"); // an identifier beyond 16 bits
    EXPECT_EQ(compare->txtSp2->text(), "Myrica esculenta");
    EXPECT_EQ(compare->txtTemp2->text(), "40000");
    EXPECT_EQ(boxes(compare->panel2), (QStringList{"0", "1000", "1500", "4000", "0", "0"})) << "no temperature range stored";
    EXPECT_EQ(compare->txtSp1->text(), "Acacia mangium");
    EXPECT_TRUE(shows(compare->mapTree2, GridPoint(3), SpeciesBrown)) << "not redrawn yet";

    clickCheck(compare->panel2.chkLayerMap); // unchecked: redraws map 2 only
    clickCheck(compare->panel2.chkLayerMap); // checked again
    drawBoth();
    EXPECT_EQ(compare->panel2.lblDescParam->text(), "ALT - MAR");
    EXPECT_EQ(compare->lblInvasive2->text(), "");
    EXPECT_TRUE(shows(compare->mapTree2, GridPoint(1), SpeciesBrown));
    EXPECT_FALSE(shows(compare->mapTree2, GridPoint(3), SpeciesBrown)); // MAR 4500 is above the chosen 4000
    // The first map keeps its species.
    EXPECT_EQ(compare->panel1.lblDescParam->text(), "ALT - MAR - MAT");
    EXPECT_TRUE(shows(compare->mapTree, GridPoint(3), SpeciesBrown));
}

TEST_F(ComparisonWindow, ChooserRefillsOnEveryKeystroke)
{
    withChooser(1, [](frmSpecies *chooser) {
        // Keys typed after the text so far; a leading "-" deletes that text first.
        const QList<std::pair<QString, QStringList>> steps{
            {"a", AllSpecies},
            {"n", {"Acacia mangium", "Tectona grandis", "Calamus manan", "Orphanus testus", "Pandanus d'urvillei"}},
            {"a", {"Calamus manan"}}, {"z", {}}, {"-", AllSpecies}, {"d'u", {"Pandanus d'urvillei"}},
            {"-t%s", {"Tectona grandis", "Orphanus testus"}}};
        for (const auto &[keys, expected] : steps) {
            if (keys.startsWith('-')) {
                chooser->txtSpecies->selectAll();
                QTest::keyClick(chooser->txtSpecies, Qt::Key_Delete);
            }
            QTest::keyClicks(chooser->txtSpecies, keys.mid(keys.startsWith('-') ? 1 : 0));
            EXPECT_EQ(ColumnTexts(chooser->lstSpecies, 1), expected) << chooser->txtSpecies->text().toStdString();
        }
        ClickItem(chooser->lstSpecies, chooser->lstSpecies->topLevelItem(0), 1);
        QTest::keyClick(chooser->lstSpecies, Qt::Key_Down);
        EXPECT_TRUE(chooser->isVisible()) << "moving through the list chooses nothing yet";
    });
}

TEST_F(CompareWindowTest, FindPlaceCentresBothMapsAndProvincesDrawOnBoth)
{
    WriteFixtureProvinces(fixture.folder());
    PlaceIndex::build({{{"Sleman", PlaceKind::Place, {}, "West", "FX", "Fixtureland", 101, 1, 10}, {}}})
        .write(fixture.folder() + "/ShapeFiles/places.idx");
    ASSERT_NE(openComparison(), nullptr);
    QTest::mouseClick(compare->placeTools->chkProvinces, Qt::LeftButton);
    drawBoth();
    for (MapControl *map : {compare->mapTree, compare->mapTree2}) {
        const QColor line = ColourNear(map, {101.5, 2.2}); // between the provinces: grey, smoothed at this size
        EXPECT_TRUE(line.red() == line.green() && line.green() == line.blue() && line.red() < 160) << line.name().toStdString();
    }

    auto *species = Opened<frmIdentifyEngine>([&] {
        QTest::keyClicks(compare->placeTools->txtFindPlace, "sLEMAN");
        QAbstractItemView *rows = compare->placeTools->txtFindPlace->findChild<QCompleter *>()->popup();
        QTest::keyClick(rows, Qt::Key_Down);
        QTest::keyClick(rows, Qt::Key_Return);
    });
    ASSERT_NE(species, nullptr);
    EXPECT_EQ(species->windowTitle(), "Suitable Tree Species - Sleman \u2014 West, Fixtureland");
    for (MapControl *map : {compare->mapTree, compare->mapTree2})
        EXPECT_NEAR(map->extent().center().x, 101, 1e-9);
}
