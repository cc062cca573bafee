// The comparison window driven as a user drives it: opened from the View menu,
// toolbar buttons, clicks and drags on either map, check boxes, "Generate Map",
// the species chooser and the two save buttons.
#include "app/MainCommands.h"
#include "controls/ReportList.h"
#include "mapping/MapNavigator.h"
#include "mapping/MapControl.h"
#include "mapping/MapToolbar.h"
#include "mapping/MapViewport.h"
#include "mapping/compare/frmCompare.h"
#include "mapping/frmSpecies.h"
#include "tests/common/QtPrinters.h"
#include "tests/common/WidgetTest.h"
#include "tests/compare/CompareFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace GridPoint;

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

} // namespace

TEST_F(ComparisonWindow, OpensWithTheCurrentSpeciesOnBothMaps)
{
    EXPECT_EQ(compare->windowTitle(), "Arboplot Comparison");
    EXPECT_TRUE(compare->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(compare->frmPerimeter->title(), "First Parameter");
    EXPECT_EQ(compare->Frame1->title(), "Second Parameter");
    for (int side : {1, 2}) {
        SCOPED_TRACE(side);
        const ParameterPanel &panel = side == 1 ? compare->panel1 : compare->panel2;
        MapControl *map = side == 1 ? compare->mapTree : compare->mapTree2;
        EXPECT_EQ((side == 1 ? compare->txtSp1 : compare->txtSp2)->text(), "Acacia mangium");
        EXPECT_EQ((side == 1 ? compare->txtTemp1 : compare->txtTemp2)->text(), "1");
        EXPECT_FALSE((side == 1 ? compare->txtTemp1 : compare->txtTemp2)->isVisible());
        EXPECT_EQ((side == 1 ? compare->cmdSave1 : compare->cmdSave2)->text(), "Save As Image");
        EXPECT_EQ(boxes(panel), (QStringList{"0", "800", "1000", "4500", "20", "29.2"}));
        EXPECT_EQ(panel.lblDescParam->text(), "ALT - MAR - MAT");
        EXPECT_EQ((side == 1 ? compare->lblInvasive1 : compare->lblInvasive2)->text(),
                  "Warning : Potentially Invasive Species");
        EXPECT_FALSE(panel.chkLayerALT->isChecked());
        EXPECT_FALSE(panel.chkLayerMAR->isChecked());
        EXPECT_FALSE(panel.chkLayerMAT->isChecked());
        EXPECT_TRUE(panel.chkLayerMap->isChecked());
        EXPECT_EQ(panel.lblLegend[3]->text(), "Tree Species");
        EXPECT_EQ(panel.picLegend[3]->palette().color(QPalette::Window), QColor(128, 64, 0));
        EXPECT_TRUE(shows(map, P1, SpeciesBrown));
        EXPECT_TRUE(shows(map, P3, SpeciesBrown));
        EXPECT_FALSE(shows(map, P2, SpeciesBrown));
        EXPECT_FALSE(shows(map, P4, SpeciesBrown));
    }
    QStringList tips;
    for (const char *key : {"k1", "k2", "k3", "k6", "k7"})
        tips << tool(key)->toolTip();
    EXPECT_EQ(tips, (QStringList{"Zoom In", "Zoom Out", "Pan", "Full Extent", "Generate Map"}));
    EXPECT_EQ(tool("k4"), nullptr); // no identify tools here
    EXPECT_EQ(compare->navigator->zoomLevel(), 1);
    EXPECT_EQ(compare->navigator->rangeSource(), RangeSource::Catalogue);
}

TEST_F(ComparisonWindow, ChoosingTheCommandAgainShowsTheOneWindow)
{
    main->commands()->menuTMC->trigger();
    EXPECT_EQ(main->findChildren<frmCompare *>().size(), 1);
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

TEST_F(ComparisonWindow, ZoomOutEnlargesBothViewsAlsoAtTheFullExtent)
{
    clickTool("k2");
    clickMap(compare->mapTree);
    EXPECT_EQ(compare->navigator->zoomLevel(), 1);
    EXPECT_NEAR(compare->mapTree->extent().width(), full1.width() * 1.25, 1e-9);
    EXPECT_NEAR(compare->mapTree2->extent().width(), full2.width() * 1.25, 1e-9);
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
    // The new check box state shows on its own map only: P2 matches the temperature range.
    EXPECT_TRUE(shows(compare->mapTree2, P2, TemperatureGreen));
    EXPECT_FALSE(shows(compare->mapTree, P2, TemperatureGreen));

    // Further zoom steps scale both maps from their current views.
    clickTool("k1");
    clickMap(compare->mapTree2);
    EXPECT_EQ(compare->navigator->zoomLevel(), 2);
    EXPECT_NEAR(compare->mapTree->extent().width(), zoomed1.width() * 0.75, 1e-9);
    EXPECT_NEAR(compare->mapTree2->extent().width(), full2.width() * 0.75, 1e-9);
}

TEST_F(ComparisonWindow, PanMovesOnlyTheDraggedMap)
{
    clickTool("k3");
    MapControl *dragged = compare->mapTree2;
    const QPoint from = dragged->rect().center();
    QTimer::singleShot(0, dragged, [&] {
        EXPECT_EQ(dragged->mousePointer(), PointerPanning);
        QTest::mouseMove(dragged, from + QPoint(40, 10));
        QTest::mouseRelease(dragged, Qt::LeftButton, Qt::NoModifier, from + QPoint(40, 10));
    });
    QTest::mousePress(dragged, Qt::LeftButton, Qt::NoModifier, from);
    EXPECT_LT(compare->mapTree2->extent().left(), full2.left() - 1e-6);
    EXPECT_NEAR(compare->mapTree2->extent().width(), full2.width(), 1e-9);
    EXPECT_EQ(compare->mapTree->extent(), full1);
    EXPECT_EQ(dragged->mousePointer(), PointerPan);
    EXPECT_EQ(compare->navigator->zoomLevel(), 1);
}

TEST_F(ComparisonWindow, FullExtentBringsBothBackAndLeavesNoTool)
{
    clickTool("k1");
    clickMap(compare->mapTree);
    clickTool("k3");
    clickTool("k6");
    EXPECT_EQ(compare->mapTree->extent(), full1);
    EXPECT_EQ(compare->mapTree2->extent(), full2);
    EXPECT_EQ(compare->navigator->zoomLevel(), 1);
    EXPECT_EQ(compare->navigator->chosenTool(), MapTool::None);
    EXPECT_EQ(compare->tbrMain->pressedTool(), "");
    EXPECT_EQ(compare->mapTree2->mousePointer(), PointerDefault);
}

TEST_F(ComparisonWindow, TypedRangesAreReplacedUntilGenerateMap)
{
    type(compare->panel1.txtALTMax, "400");
    clickTool("k6");
    drawBoth();
    EXPECT_EQ(compare->panel1.txtALTMax->text(), "800") << "the catalogue's range is drawn and written back";
}

TEST_F(ComparisonWindow, GenerateMapRedrawsBothMapsFromTheirBoxes)
{
    type(compare->panel1.txtALTMax, " 400 ");
    QSignalSpy drawn1(compare->mapTree, &MapControl::layerDrawn), drawn2(compare->mapTree2, &MapControl::layerDrawn);
    clickTool("k7");
    drawBoth();
    EXPECT_EQ(compare->navigator->rangeSource(), RangeSource::Boxes);
    EXPECT_GE(drawn1.count(), 1);
    EXPECT_GE(drawn2.count(), 1);
    EXPECT_EQ(compare->panel1.txtALTMax->text(), "400");
    EXPECT_FALSE(shows(compare->mapTree, P1, SpeciesBrown)); // ALT 500 is above the typed 400
    EXPECT_TRUE(shows(compare->mapTree, P3, SpeciesBrown));
    // The untouched side draws from its boxes too.
    EXPECT_EQ(boxes(compare->panel2), (QStringList{"0", "800", "1000", "4500", "20", "29.2"}));
    EXPECT_TRUE(shows(compare->mapTree2, P1, SpeciesBrown));

    // From now on every drawing of either map reads its boxes.
    type(compare->panel2.txtMARMin, "1500");
    clickTool("k6");
    drawBoth();
    EXPECT_FALSE(shows(compare->mapTree2, P1, SpeciesBrown)); // MAR 1100 is below the typed 1500
    EXPECT_TRUE(shows(compare->mapTree2, P3, SpeciesBrown));
    EXPECT_EQ(compare->panel1.txtALTMax->text(), "400");
}

TEST_F(ComparisonWindow, ChosenSpeciesShowsAtTheNextDrawingOfItsMap)
{
    choose(2, "manan");
    EXPECT_EQ(compare->txtSp2->text(), "Calamus manan");
    EXPECT_EQ(compare->txtSp1->text(), "Acacia mangium");
    EXPECT_TRUE(shows(compare->mapTree2, P1, SpeciesBrown)) << "not redrawn yet";

    clickCheck(compare->panel2.chkLayerMap); // unchecked: redraws map 2 only
    clickCheck(compare->panel2.chkLayerMap); // checked again
    drawBoth();
    EXPECT_EQ(compare->panel2.lblDescParam->text(), "ALT - MAR");
    EXPECT_EQ(compare->lblInvasive2->text(), "");
    EXPECT_TRUE(shows(compare->mapTree2, P2, SpeciesBrown));
    EXPECT_TRUE(shows(compare->mapTree2, P5, SpeciesBrown)); // no temperature range to miss
    EXPECT_FALSE(shows(compare->mapTree2, P1, SpeciesBrown));
    // The first map keeps its species.
    EXPECT_EQ(compare->panel1.lblDescParam->text(), "ALT - MAR - MAT");
    EXPECT_TRUE(shows(compare->mapTree, P1, SpeciesBrown));
    EXPECT_FALSE(shows(compare->mapTree, P5, SpeciesBrown));
}

TEST_F(ComparisonWindow, EachSaveProposesItsSidesNameAndSavesItsOwnMap)
{
    choose(2, "manan");
    QStringList proposed;
    compare->saveDialog = [&](QFileDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Export Bitmap");
        proposed << QFileInfo(dialog.selectedFiles().value(0)).fileName();
        return false; // cancelled: nothing is written
    };
    QTest::mouseClick(compare->cmdSave1, Qt::LeftButton);
    QTest::mouseClick(compare->cmdSave2, Qt::LeftButton);
    EXPECT_EQ(proposed, (QStringList{"Acacia mangium.bmp", "Calamus manan.bmp"}));

    QTemporaryDir out;
    const QString path = out.filePath("second.bmp");
    compare->saveDialog = [&](QFileDialog &dialog) {
        dialog.selectFile(path);
        return true;
    };
    clickTool("k1");
    clickMap(compare->mapTree); // zoomed in: the picture shows the zoomed view
    QTest::mouseClick(compare->cmdSave2, Qt::LeftButton);
    const QImage saved(path);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), compare->mapTree2->size() * 2);
    EXPECT_EQ(saved.pixelColor(MapViewport(compare->mapTree2->extent(), saved.size()).toPixel(P3).toPoint()),
              SpeciesBrown);
}

TEST_F(ComparisonWindow, HostileRangeTextIsAMissingBoundWithoutAMessage)
{
    const QString message = AnswerMessageBox([&] {
        for (const QString &text : {QString(20000, QLatin1Char('9')), QStringLiteral("' OR 1=1 --"),
                                    QStringLiteral("ĐINH ไม้สัก"), QStringLiteral("1e999")}) {
            SCOPED_TRACE(text.left(12).toStdString());
            compare->panel2.txtALTMax->setText(text);
            clickTool("k7");
            drawBoth();
            EXPECT_EQ(compare->panel2.txtALTMax->text(), "0") << "no number: the bound is missing";
            EXPECT_EQ(compare->panel1.txtALTMax->text(), "800") << "the other side keeps its range";
        }
    });
    EXPECT_EQ(message, "");
}
