#pragma once
#include "app/frmMain.h"
#include "tests/common/MapWindowFixture.h"

#include <QColor>

#include <functional>

class MapControl;
class frmCompare;
class frmSpecies;

// The map window fixture's 3 x 3 grid points (see MapWindowFixture.cpp).
inline MapPoint GridPoint(int pointId) { return MapWindowFixture::gridPoint(pointId); }

// The colours the drawing paints points with.
inline const QColor SpeciesBrown(128, 64, 64);
inline const QColor TemperatureGreen(0, 255, 0);

// The map window fixture and the main window loaded and
// shown, the first botanic name (Acacia mangium, SpID 1) chosen.
class CompareWindowTest : public MapWindowsTest {
protected:
    CompareWindowTest()
        : MapWindowsTest(QStringLiteral(
              "INSERT INTO Species (SpID, SpeciesName, Genus, FID) VALUES (7, 'Pandanus d''urvillei', 'Pandanus', 4);"
              "INSERT INTO Species (SpID, SpeciesName, Genus, FID, MinAltitude, MaxAltitude, MinRainfall, MaxRainfall) "
              "VALUES (40000, 'Myrica esculenta', 'Myrica', 1, 0, 1000, 1500, 4000);"))
    {
    }
    void SetUp() override;

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

    frmCompare *compare = nullptr;
};
