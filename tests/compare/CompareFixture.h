#pragma once
#include "app/frmMain.h"
#include "mapping/MapExtent.h"
#include "tests/common/FixtureCatalogue.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QString>

#include <functional>

class MapControl;
class frmCompare;
class frmSpecies;

// A land square from (100, 0) to (120, 20) and five grid points on it, each
// chosen for what the fixture species make of it:
//   P1 (104, 4)   ALT 500  MAR 1100 MAT 25: Acacia mangium only
//   P2 (116, 16)  ALT 900  MAR 2000 MAT 25: Tectona grandis and Calamus manan, not Acacia (too high)
//   P3 (110, 10)  ALT 300  MAR 2000 MAT 25: every species with ranges
//   P4 (104, 16)  ALT 3000 MAR 500  MAT 5:  none
//   P5 (116, 4)   ALT 300  MAR 2000 MAT 10: Calamus manan (no temperature range); too cold for the others
namespace GridPoint {
constexpr MapPoint P1{104, 4}, P2{116, 16}, P3{110, 10}, P4{104, 16}, P5{116, 4};
}
// Writes pasia_canvas.shp and country_bnd.shp into <folder>/ShapeFiles.
void WriteFixtureShapeFiles(const QString &folder);

// The colours the drawing paints points with.
inline const QColor SpeciesBrown(128, 64, 64);
inline const QColor TemperatureGreen(0, 255, 0);

// The fixture application with its map files and the main window loaded and
// shown, the first botanic name (Acacia mangium, SpID 1) chosen.
class CompareWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // View > Arboplot Comparison, as a user chooses it; the window once shown.
    frmCompare *openComparison();
    // Draws both maps now (as the screen would) so what they show can be read.
    void drawBoth();
    // Whether the point shows `colour` on the map's last picture.
    static bool shows(MapControl *map, MapPoint point, const QColor &colour);
    // Clicks a toolbar button of the window by key.
    void clickTool(const QString &key);
    // Clicks the map at its centre.
    static void clickMap(MapControl *map);
    // Clicks a side's "..." button and runs `act` on the chooser while it is
    // shown (closing it when `act` leaves it open).
    void withChooser(int side, const std::function<void(frmSpecies *)> &act);

    FixtureApplication app{QStringLiteral(
        "INSERT INTO Species (SpID, SpeciesName, Genus, FID) VALUES (7, 'Pandanus d''urvillei', 'Pandanus', 4);")};
    frmMain *main = nullptr;
    frmCompare *compare = nullptr;
};
