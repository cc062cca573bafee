// Which species suit a clicked grid point, and choosing one of them.
#include "app/frmMain.h"
#include "catalogue/CurrentSpecies.h"
#include "catalogue/modDatabase.h"
#include "controls/ReportList.h"
#include "controls/splitter.h"
#include "factsheet/windows/frmList.h"
#include "mapping/windows/MapControl.h"
#include "mapping/windows/frmIdentifyEngine.h"
#include "mapping/windows/frmMap.h"
#include "tests/common/WidgetTest.h"
#include "tests/common/MapWindowFixture.h"
#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QTest>
#include <QTextEdit>

namespace {

// Species whose ranges sit exactly on the values of grid point 1 (500, 2000, 25),
// one missing a bound, and one with only the bamboo use.
const char *const PointSpecies = R"SQL(
INSERT INTO Species (SpID, SpeciesName, Genus, FID, Fodder, Others, Bamboo, MinAltitude, MaxAltitude, MinRainfall, MaxRainfall,
  MinTemperature, MaxTemperature) VALUES
 (10, 'Exacta minima', 'Exacta', 1, 1, 1, 0, 500, 900, 2000, 3000, 25, 28),
 (11, 'Exacta maxima', 'Exacta', 1, 0, 0, 1, 100, 500, 1000, 2000, 20, 25),
 (12, 'Lacuna testus', 'Lacuna', 1, 0, 0, 0, 0, 1000, NULL, 3000, 20, 30),
 (13, 'Sicca testus', 'Sicca', 1, 0, 0, 0, 0, 1000, 2500, 4000, 20, 30);
)SQL";

// The species a window lists, each name followed by its uses, sorted.
QStringList listed(const frmIdentifyEngine *window)
{
    QStringList out;
    for (int row = 0; row < window->lstSTS->topLevelItemCount(); ++row)
        out << RowTexts(window->lstSTS, row).mid(1).join(QString());
    out.sort();
    return out;
}

class SuitableSpecies : public MapWindowsTest {
protected:
    SuitableSpecies() : MapWindowsTest(QString::fromUtf8(PointSpecies)) {}
    void SetUp() override
    {
        MapWindowsTest::SetUp();
        map = openMap("1");
        ClickTool(map, "k5");
    }
    frmIdentifyEngine *clickPoint(int pointId)
    {
        return Opened<frmIdentifyEngine>([&] { ClickAt(map->mapTree, pointId); });
    }

    frmMap *map = nullptr;
};

} // namespace

TEST_F(SuitableSpecies, AClickOpensAWindowPerPointWithItsSpecies)
{
    EXPECT_EQ(map->mapTree->mousePointer(), 55);
    frmIdentifyEngine *first = clickPoint(1);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->windowTitle(), "Suitable Tree Species");
    // Both ends are inclusive; Acacia mangium (0-800, 1000-4500, 20-30) suits
    // point 1 too; Sicca needs more rain; Lacuna lacks a bound.
    EXPECT_EQ(listed(first), (QStringList{"Acacia mangium (Timber) (Firewood)", "Exacta maxima", "Exacta minima (Fodder) (Others)",
                                          "Markhamia stipulata (Timber) (Firewood)", "Tectona grandis (Timber) (Others)"}));

    frmIdentifyEngine *second = clickPoint(5);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(second->lstSTS->topLevelItemCount(), 0);
    EXPECT_EQ(first->lstSTS->topLevelItemCount(), 5) << "each window keeps its own list";
}

TEST_F(SuitableSpecies, ChoosingASpeciesShowsItInTheListWindow)
{
    frmIdentifyEngine *window = clickPoint(1);
    ASSERT_NE(window, nullptr);
    QTreeWidgetItem *teak = window->lstSTS->findItems("Tectona grandis", Qt::MatchExactly, 1).value(0);
    ASSERT_NE(teak, nullptr);
    ClickItem(window->lstSTS, teak, 1);
    frmList *list = main->ListWindow();
    EXPECT_TRUE(list->richDetail->toPlainText().contains("Current Name: Tectona grandis"));
    EXPECT_EQ(list->richDetail->textCursor().position(), 0);
    EXPECT_EQ(list->lstTree->topLevelItemCount(), 3) << "the species and its two synonyms";
    EXPECT_EQ(CurrentSpID(), "2");

    // Another species looked at in the list window; a click on the still
    // selected row shows teak again.
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    ClickItem(main->treeBN, main->treeBN->findItems("Acacia", Qt::MatchExactly | Qt::MatchRecursive).first());
    ClickItem(list->lstTree, list->lstTree->topLevelItem(0), 2);
    ASSERT_EQ(CurrentSpID(), "1");
    ClickItem(window->lstSTS, teak, 1);
    EXPECT_TRUE(list->richDetail->toPlainText().contains("Current Name: Tectona grandis"));
    EXPECT_EQ(CurrentSpID(), "2");

    // Arrow keys only move the selection; Enter shows the species.
    window->lstSTS->setFocus();
    const int teakRow = window->lstSTS->indexOfTopLevelItem(teak);
    QTest::keyClick(window->lstSTS, teakRow == 0 ? Qt::Key_Down : Qt::Key_Up);
    QTreeWidgetItem *other = window->lstSTS->selectedItems().value(0);
    ASSERT_NE(other, teak);
    EXPECT_EQ(CurrentSpID(), "2");
    QTest::keyClick(window->lstSTS, Qt::Key_Return);
    EXPECT_EQ(CurrentSpID(), other->text(0));

    // Teak's names list cannot be read any more, its fact sheet can: the
    // warning stands over the sheet of teak, not over the one shown before.
    const char *unreadableTeakNames = "CREATE TEMP VIEW Synonym AS SELECT SpID, Genus, Name, CASE WHEN SpID = 2 "
                                      "THEN abs(-9223372036854775807 - 1) ELSE Synonym END AS Synonym FROM main.Synonym";
    ASSERT_EQ(sqlite3_exec(CatalogueConnection().handle(), unreadableTeakNames, nullptr, nullptr, nullptr), SQLITE_OK);
    QString sheetWhenWarned;
    const auto readSheet = [&] { sheetWhenWarned = list->richDetail->toPlainText(); };
    EXPECT_EQ(AnswerMessage([&] { ClickItem(window->lstSTS, teak, 1); }, QMessageBox::Ok, readSheet).title, "Species List");
    EXPECT_TRUE(sheetWhenWarned.contains("Current Name: Tectona grandis")) << sheetWhenWarned.left(100).toStdString();

    ExpectOutlivesItsMap(window, map);
}

// A window narrowed below the bar's width keeps the bar at its left edge, no list beside it.
TEST(SuitableSpeciesWindow, NarrowerThanTheBarShowsNoList)
{
    frmIdentifyEngine species(nullptr);
    species.show();
    species.resize(species.splt->width() / 2, 200);
    ASSERT_TRUE(WaitUntil([&] { return species.lstIdentifyMap->height() == 200; }));
    EXPECT_EQ(species.lstIdentifyMap->width(), 0);
    EXPECT_EQ(species.splt->x(), 0);
}
