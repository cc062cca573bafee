// The analysis windows driven as a user drives them, on the 3 x 3 fixture grid
// in one square country.
#include "analysis/MapClasses.h"
#include "analysis/windows/AnalysisMapView.h"
#include "analysis/windows/MapLegend.h"
#include "analysis/windows/ScenarioChoice.h"
#include "analysis/windows/frmClimateShift.h"
#include "analysis/windows/frmCountryArea.h"

#include <QComboBox>
#include "analysis/windows/frmSpeciesCount.h"
#include "app/MainCommands.h"
#include "app/frmMain.h"
#include "catalogue/CurrentSpecies.h"
#include "controls/ReportList.h"
#include "factsheet/windows/frmList.h"
#include "mapping/windows/MapControl.h"
#include "mapping/windows/frmCompare.h"
#include "mapping/windows/MapToolbar.h"
#include "mapping/MapViewport.h"
#include "mapping/windows/frmIdentifyEngine.h"
#include "mapping/windows/frmMap.h"
#include "mapping/windows/frmSpecies.h"
#include "tests/common/Files.h"
#include "tests/common/WidgetTest.h"
#include "tests/common/MapWindowFixture.h"
#include "tests/common/QtPrinters.h"
#include "tools/shapefiles/ScenarioGridFile.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

#include <cmath>

namespace {

// Misses point 2 (ALT 2000, MAR 2000, MAT 25) by 100 m of altitude; the only fruit tree.
const char *const NearSpecies = R"SQL(
INSERT INTO Species (SpID, SpeciesName, Genus, FID, Fruit, MinAltitude, MaxAltitude, MinRainfall, MaxRainfall,
  MinTemperature, MaxTemperature) VALUES (20, 'Propinqua testus', 'Propinqua', 1, 1, 0, 1900, 1000, 3000, 20, 30);
)SQL";

// The km² of a fixture cell (one degree square) at a latitude.
double cellKm2(double latitude)
{
    const double side = M_PI / 180 * 6371;
    return side * side * std::cos(latitude * M_PI / 180);
}
// An area as the windows show it, in the tests' English locale ("37,092").
QString km2(double v) { return QLocale().toString(v, 'f', 0); }

class AnalysisWindows : public MapWindowsTest {
protected:
    AnalysisWindows() : MapWindowsTest(QString::fromUtf8(NearSpecies)) {}
    void SetUp() override
    {
        MapWindowsTest::SetUp();
        SetCurrentSpID("1");
        // Every test of this program reads the windows' numbers in English.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    template <typename Window>
    Window *shown(Window *window)
    {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        window->view->map->repaint();
        return window;
    }
    QColor at(AnalysisMapView *view, int pointId) { return ColourNear(view->map, MapWindowFixture::gridPoint(pointId)); }
};

} // namespace

TEST_F(AnalysisWindows, TheSuitableSpeciesWindowListsNearMissesAndIncompleteRanges)
{
    frmMap *map = openMap("1");
    ClickTool(map, "k5");
    frmIdentifyEngine *window = Opened<frmIdentifyEngine>([&] { ClickAt(map->mapTree, 2); });
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->lstNear->topLevelItemCount(), 1);
    EXPECT_EQ(RowTexts(window->lstNear, 0),
              (QStringList{"20", "Propinqua testus", "ALT", "2000", "0 to 1900", "ALT 100 m too high"}));

    // A near miss shows its species in the list window.
    ClickItem(window->lstNear, window->lstNear->topLevelItem(0), 1);
    EXPECT_EQ(CurrentSpID(), "20");
    EXPECT_TRUE(main->ListWindow()->richDetail->toPlainText().contains("Propinqua testus"));

    // At point 1 the bamboo and the rattan meet every range they state.
    window = Opened<frmIdentifyEngine>([&] { ClickAt(map->mapTree, 1); });
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->lstIncomplete->topLevelItemCount(), 2);
    EXPECT_EQ(RowTexts(window->lstIncomplete, 0), (QStringList{"3", "Dendrocalamus asper"}));
}

TEST_F(AnalysisWindows, AreaByCountryTakesTheActiveMapsBoxes)
{
    frmMap *map = openMap("1"); // Acacia mangium: full match at points 1, 3 and 8
    frmCountryArea *area = Opened<frmCountryArea>([&] { main->commands()->menuArea->trigger(); });
    ASSERT_NE(area, nullptr);
    ASSERT_EQ(area->lstArea->topLevelItemCount(), 1);
    const QStringList row = RowTexts(area->lstArea, 0);
    EXPECT_EQ(row[0], "Fixtureland");
    EXPECT_EQ(row[1], km2(3 * (cellKm2(0) + cellKm2(1) + cellKm2(2))));
    EXPECT_EQ(row[8], km2(2 * cellKm2(0) + cellKm2(2)));
    EXPECT_TRUE(area->lblTotal->text().contains("full match " + row[8] + " km\u00b2")) << area->lblTotal->text().toStdString();

    // Save as CSV writes the rows with plain numbers.
    QTemporaryDir dir;
    area->saveDialog = [&](QFileDialog &dialog) { dialog.selectFile(dir.filePath("area.csv")); return true; };
    QTest::mouseClick(area->cmdSaveCsv, Qt::LeftButton);
    const QString plainLand = QString::number(3 * (cellKm2(0) + cellKm2(1) + cellKm2(2)), 'f', 0);
    EXPECT_TRUE(QString::fromUtf8(ReadFile(dir.filePath("area.csv"))).split("\r\n").value(1).startsWith("Fixtureland," + plainLand + ","));
    area->saveDialog = [&](QFileDialog &dialog) { dialog.selectFile(dir.filePath("gone/area.csv")); return true; };
    const QString unwritten = AnswerMessageBox([&] { QTest::mouseClick(area->cmdSaveCsv, Qt::LeftButton); });
    EXPECT_TRUE(unwritten.startsWith("Cannot write " + dir.filePath("gone/area.csv") + ": ") &&
                unwritten.endsWith(" (any old file is kept)")) << unwritten.toStdString();

    // The narrowed boxes of the map count; a box that is not a number is refused.
    map->activateWindow();
    map->txtALTMax->setText("600");
    area = Opened<frmCountryArea>([&] { main->commands()->menuArea->trigger(); });
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(RowTexts(area->lstArea, 0)[8], km2(cellKm2(0) + cellKm2(2)));
    map->txtMARMin->setText("12OO");
    const int windows = int(TopLevelWindows<frmCountryArea>(true).size());
    const QString message = AnswerMessageBox([&] { main->commands()->menuArea->trigger(); });
    EXPECT_TRUE(message.contains("\"12OO\", which is not a number")) << message.toStdString();
    EXPECT_EQ(int(TopLevelWindows<frmCountryArea>(true).size()), windows);
}

TEST_F(AnalysisWindows, AreaByProvinceAddsUpToTheCountryForAllOrOne)
{
    WriteFixtureProvinces(fixture.folder());
    openMap("1"); // Acacia mangium: full match at points 1, 3 and 8
    frmCountryArea *area = Opened<frmCountryArea>([&] { main->commands()->menuArea->trigger(); });
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->lstArea->topLevelItemCount(), 1); // by country, as it opens
    EXPECT_FALSE(area->cboCountry->isEnabled());
    QTest::keyClick(area->cboBy, Qt::Key_Down);
    const double column = cellKm2(0) + cellKm2(1) + cellKm2(2);
    const QList<QStringList> byProvince{{"Fixtureland", "East", km2(column), km2(cellKm2(0))},
                                        {"Fixtureland", "West", km2(2 * column), km2(cellKm2(0) + cellKm2(2))},
                                        {"Fixtureland", "", km2(3 * column), km2(2 * cellKm2(0) + cellKm2(2))}};
    ASSERT_EQ(area->lstArea->topLevelItemCount(), 3);
    for (int r = 0; r < 3; ++r) {
        const QStringList row = RowTexts(area->lstArea, r);
        EXPECT_EQ((QStringList{row[0], row[1], row[2], row[9]}), byProvince[r]) << r;
    }
    // One country: its provinces, the country's row as the total.
    ASSERT_TRUE(area->cboCountry->isEnabled());
    QTest::keyClick(area->cboCountry, Qt::Key_Down);
    EXPECT_EQ(area->cboCountry->currentText(), "Fixtureland");
    EXPECT_EQ(area->lstArea->topLevelItemCount(), 2);
    EXPECT_TRUE(area->lblTotal->text().startsWith("Total: land " + km2(3 * column) + " km²")) << area->lblTotal->text().toStdString();
}

TEST_F(AnalysisWindows, AreaAndShiftBeforeAnyMapTakeTheGridsOwnRangesAndWithoutBoundariesGiveTheTotal)
{
    for (const char *ext : {"shp", "shx", "dbf"})
        QFile::remove(fixture.folder() + "/ShapeFiles/country_bnd." + QString(ext));
    // This grid's altitude ends at 600 m, so Acacia mangium (0 to 800 m) no longer suits point 3 (800 m).
    ASSERT_TRUE(WriteFile(fixture.folder() + "/ShapeFiles/sources.txt",
                          "data range ALT = 0 to 600\ndata range MAR = 500 to 8000\ndata range MAT = -5 to 29.2\n"));
    // No map: the current species' catalogue ranges.
    frmCountryArea *area = Opened<frmCountryArea>([&] { main->commands()->menuArea->trigger(); });
    ASSERT_NE(area, nullptr);
    EXPECT_TRUE(area->lblBoundaries->isVisibleTo(area));
    EXPECT_TRUE(area->lblBoundaries->text().startsWith("The country boundaries are missing"));
    EXPECT_EQ(RowTexts(area->lstArea, 0)[0], "outside the boundaries");
    EXPECT_TRUE(area->lblTotal->text().contains("full match " + km2(cellKm2(0) + cellKm2(2))));
    frmClimateShift *shift = Opened<frmClimateShift>([&] { main->commands()->menuShift->trigger(); });
    ASSERT_NE(shift, nullptr);
    EXPECT_EQ(shift->legend->captions().value(0), "kept: " + km2(cellKm2(0) + cellKm2(2)) + " km\u00b2");
}

TEST_F(AnalysisWindows, SpeciesCountMapPaintsTheRampAndOpensThePlantingList)
{
    frmSpeciesCount *count = Opened<frmSpeciesCount>([&] { main->commands()->menuCount->trigger(); });
    ASSERT_NE(count, nullptr);
    shown(count);
    // Point 1 suits four species, point 8 two, point 3 one, point 5 none: a class for each.
    EXPECT_EQ(count->legend->captions(), (QStringList{"0", "1", "2", "3", "4"}));
    EXPECT_EQ(count->legend->note(), "Classes: one class per number of species, up to 4, the most at any grid point");
    EXPECT_EQ(at(count->view, 1), SequentialColour(1));
    EXPECT_EQ(at(count->view, 8), SequentialColour(0.5));
    EXPECT_EQ(at(count->view, 5), SequentialColour(0));

    count->cboUse->setFocus();
    QTest::keyClicks(count->cboUse, "Fruit");
    count->view->map->repaint();
    EXPECT_EQ(count->cboUse->currentText(), "Fruit");
    EXPECT_EQ(count->legend->captions(), (QStringList{"0", "1"}));
    EXPECT_EQ(at(count->view, 3), SequentialColour(0));
    EXPECT_EQ(at(count->view, 8), SequentialColour(1));

    // The Planting List tool is chosen when the window opens.
    frmIdentifyEngine *list = Opened<frmIdentifyEngine>([&] { ClickAt(count->view->map, 1); });
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->windowTitle(), "Suitable Tree Species (Fruit)");
    ASSERT_EQ(list->lstSTS->topLevelItemCount(), 1);
    EXPECT_EQ(RowTexts(list->lstSTS, 0), (QStringList{"20", "Propinqua testus", " (Fruit)"}));
    ClickItem(list->lstSTS, list->lstSTS->topLevelItem(0), 1);
    EXPECT_EQ(CurrentSpID(), "20");
    count->cboUse->setCurrentIndex(1);
    EXPECT_TRUE(count->lblSummary->text().startsWith("Species of Timber suitable")) << count->lblSummary->text().toStdString();
}

TEST_F(AnalysisWindows, ClimateShiftPaintsKeptLostAndGainedAndRefusesBadInput)
{
    frmClimateShift *shift = Opened<frmClimateShift>([&] { main->commands()->menuShift->trigger(); });
    ASSERT_NE(shift, nullptr);
    shown(shift);
    EXPECT_EQ(shift->txtSp->text(), "Acacia mangium");

    // +3 °C: point 8 (29.2 °C, the top of the range) is lost, points 1 and 3 are kept.
    const auto type = [&](QLineEdit *box, const QString &text) {
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
        shift->view->map->repaint();
    };
    type(shift->txtDT, "3");
    EXPECT_EQ(at(shift->view, 8), LostColour);
    EXPECT_EQ(at(shift->view, 1), KeptColour);
    const QStringList legend{"kept: " + km2(2 * cellKm2(0)) + " km\u00b2", "lost: " + km2(cellKm2(2)) + " km\u00b2",
                             "gained: 0 km\u00b2"};
    EXPECT_EQ(shift->legend->captions(), legend);
    EXPECT_EQ(RowTexts(shift->lstShift, 0)[0], "Fixtureland");

    // Bad input is told and changes nothing else.
    type(shift->txtDT, "warm");
    EXPECT_TRUE(shift->lblMessage->text().contains("not \"warm\"")) << shift->lblMessage->text().toStdString();
    type(shift->txtDT, "30");
    EXPECT_TRUE(shift->lblMessage->text().contains("nothing suits Acacia mangium")) << shift->lblMessage->text().toStdString();
    for (const auto &[dP, refused] : {std::pair{"-100", false}, {"-100.5", true}}) {
        type(shift->txtDP, dP);
        EXPECT_EQ(shift->lblMessage->text().contains("more than 100 %"), refused) << dP;
    }
    type(shift->txtDP, "0");
    EXPECT_EQ(shift->legend->captions(), legend);
    EXPECT_EQ(at(shift->view, 8), LostColour);

    // Every saved picture says what the shift is.
    QTemporaryDir dir;
    shift->saveDialog = [&](QFileDialog &dialog) { dialog.selectFile(dir.filePath("shift.png")); return true; };
    QTest::mouseClick(shift->cmdSave, Qt::LeftButton);
    const QImage saved(dir.filePath("shift.png"));
    EXPECT_EQ(saved.text("Shift"), "MAT +3 \u00b0C, MAR +0 %: uniform shift of the grid's climate, not a climate projection");

    // A species without ranges has nothing to shift.
    SetCurrentSpID("6");
    frmClimateShift *none = Opened<frmClimateShift>([&] { main->commands()->menuShift->trigger(); });
    ASSERT_NE(none, nullptr);
    EXPECT_TRUE(none->lblMessage->text().contains("no complete range")) << none->lblMessage->text().toStdString();
    EXPECT_TRUE(none->legend->captions().isEmpty());

    // The chooser's species takes its place.
    QTimer::singleShot(0, none, [&] {
        auto *chooser = none->findChild<frmSpecies *>();
        ASSERT_NE(chooser, nullptr);
        QTest::keyClicks(chooser->txtSpecies, "Tectona");
        ClickItem(chooser->lstSpecies, chooser->lstSpecies->topLevelItem(0), 1);
        QTest::keyClick(chooser->lstSpecies, Qt::Key_Return);
    });
    QTest::mouseClick(none->cmdSp, Qt::LeftButton);
    EXPECT_EQ(none->txtSp->text(), "Tectona grandis");
    EXPECT_EQ(none->lblMessage->text(), "");
}

TEST_F(AnalysisWindows, MapAndComparisonWindowsSaveStampedPngsOfTheirOwnSpecies)
{
    QTemporaryDir dir;
    frmMap *map = openMap("1");
    map->setWindowTitle("Acacia mangium");
    map->saveDialog = [&](QFileDialog &dialog) {
        dialog.selectNameFilter(PngFilter());
        dialog.selectFile(dir.filePath("map.png"));
        return true;
    };
    QTest::mouseClick(map->cmdSaveToImage, Qt::LeftButton);
    const QImage saved(dir.filePath("map.png"));
    EXPECT_GT(saved.height(), map->mapTree->height() * 2) << "the stamp's lines below the map";
    EXPECT_EQ(saved.text("Species"), "Acacia mangium (SpID 1)");
    EXPECT_EQ(saved.text("Ranges"), "ALT 0 to 800 m, MAR 1000 to 4500 mm, MAT 20 to 29.2 \u00b0C");
    EXPECT_TRUE(saved.text("Software").startsWith("silvaria ")) << saved.text("Software").toStdString();

    // The comparison window's second map, of another species and with another class shown.
    frmCompare *compare = Opened<frmCompare>([&] { main->commands()->menuTMC->trigger(); });
    ASSERT_NE(compare, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(compare));
    compare->txtTemp2->setText("2");
    compare->txtSp2->setText("Tectona grandis");
    QTest::mouseClick(compare->panel2.chkLayerALT, Qt::LeftButton); // redraws side 2 with its catalogue ranges
    compare->mapTree2->repaint();
    compare->saveDialog = [&](QFileDialog &dialog) {
        EXPECT_EQ(dialog.selectedNameFilter(), BitmapFilter());
        dialog.selectFile(dir.filePath("second.png"));
        return true;
    };
    QTest::mouseClick(compare->cmdSave2, Qt::LeftButton);
    const QImage second(dir.filePath("second.png"));
    EXPECT_EQ(second.text("Species"), "Tectona grandis (SpID 2)");
    EXPECT_EQ(second.text("Classes"), "altitude, full match");
}

// Two scenarios beside the grid: one 3 °C warmer, chosen in the climate box of
// the shift and the count and shown by identify beside the grid's values, and
// one with a point moved, refused with a message while the windows go on.
// At point 1 (25 °C, 28 °C on the scenario) Markhamia stipulata (27 °C at most) no longer suits.
TEST_F(AnalysisWindows, TheWindowsShowAScenarioChosenInTheirClimateBox)
{
    WriteScenarioGrid(fixture.folder() + "/ShapeFiles", "GCM-1_ssp245_2041-2060", [](GridPointWriter::Point &p, std::uint32_t) { p.mat += 3; });
    WriteScenarioGrid(fixture.folder() + "/ShapeFiles", "moved", [](GridPointWriter::Point &p, std::uint32_t i) { p.x += i == 4 ? 0.5 : 0; });
    const QString scenario = "scenario GCM-1 ssp245 2041-2060", caveat = ": a projection of one climate model, not a forecast";
    frmClimateShift *shift = shown(Opened<frmClimateShift>([&] { main->commands()->menuShift->trigger(); }));
    frmSpeciesCount *count = shown(Opened<frmSpeciesCount>([&] { main->commands()->menuCount->trigger(); }));
    for (ScenarioChoice *box : {shift->cboClimate, count->cboClimate}) {
        ASSERT_TRUE(box->isVisible() && box->count() == 3);
        QTest::keyClick(box, Qt::Key_Down); // the warmer one, below the grid's own climate
        const QString refused = AnswerMessageBox([&] { QTest::keyClick(box, Qt::Key_Down); });
        EXPECT_TRUE(refused.startsWith("the scenario moved cannot be compared with the grid: its point 5 is at")) << refused.toStdString();
        EXPECT_EQ(box->currentText(), scenario);
    }
    // The windows on this scenario stand as approved (WindowLayoutTest): kept, lost and gained, the counts, their notes.
    for (auto [save, dialog] : {std::pair{shift->cmdSave, &shift->saveDialog}, {count->cmdSave, &count->saveDialog}})
        EXPECT_EQ(SavedPngText(save, *dialog, "Scenario"), "GCM GCM-1, ssp245, 2041-2060" + caveat);
    frmIdentifyEngine *list = Opened<frmIdentifyEngine>([&] { ClickAt(count->view->map, 1); });
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->windowTitle(), "Suitable Tree Species (all uses, " + scenario + ")");
    EXPECT_EQ(ColumnTexts(list->lstSTS, 0), (QStringList{"1", "2", "20"}));

    frmMap *map = openMap("1"); // identify's own window stands as approved on this scenario (WindowLayoutTest)
    ClickTool(map, "k5");
    const QString told = AnswerMessageBox([&] { list = Opened<frmIdentifyEngine>([&] { ClickAt(map->mapTree, 1); }); });
    EXPECT_TRUE(told.startsWith("the scenario moved cannot be compared")) << told.toStdString();
    EXPECT_EQ(ColumnTexts(list->lstIdentifyMap, 0).mid(3), (QStringList{"MAR, " + scenario, "MAT, " + scenario}));
    EXPECT_EQ(ColumnTexts(list->lstIdentifyMap, 1), (QStringList{"500", "2000", "25", "2000", "28"}));

    QTest::keyClick(shift->cboClimate, Qt::Key_Up);
    EXPECT_TRUE(shift->txtDT->isEnabled() && shift->legend->note().isEmpty());
}
