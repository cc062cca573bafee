#pragma once
#include "mapping/MapExtent.h"
#include "mapping/windows/MapImageExport.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QString>

class MapControl;
class QAbstractButton;
class QWidget;
class frmMain;
class frmMap;

// An application folder with the fixture catalogue and a small map: a 3 x 3
// grid of points with known altitude, rainfall and temperature over one square
// country. Installed as the application folder and opened while it lives.
class MapWindowFixture {
public:
    // `extraSql` adds or changes catalogue rows for one test.
    explicit MapWindowFixture(const QString &extraSql = QString());
    ~MapWindowFixture();
    QString folder() const;

    // The grid point with this POINTID (1-based, west to east, south to north).
    static MapPoint gridPoint(int pointId);

private:
    struct Impl;
    Impl *d;
};

// Writes two provinces of Fixtureland into the fixture's ShapeFiles folder:
// West (points at longitude 100 and 101) and East (longitude 102).
void WriteFixtureProvinces(const QString &folder);

// The colour drawn nearest to a map point (within a few pixels): the first
// pixel that is not the country's white or the sea's blue, else the pixel itself.
QColor ColourNear(MapControl *map, const MapPoint &point);

// Closes `map` and checks that `window`, which a click on it opened, is still
// shown above the other windows (a gtest failure otherwise).
void ExpectOutlivesItsMap(QWidget *window, frmMap *map);

// Clicks a toolbar button of a map window by its key.
void ClickTool(frmMap *map, const QString &key);
// Clicks a map at a grid point.
void ClickAt(MapControl *map, int pointId);
// Saves a map as a PNG through a window's save button and dialog; the text
// of the saved picture's stamp under `key`.
QString SavedPngText(QAbstractButton *save, SaveDialogRunner &dialog, const char *key);

// The main window over the fixture map, for the tests of the map windows.
class MapWindowsTest : public ::testing::Test {
protected:
    explicit MapWindowsTest(const QString &extraSql = QString()) : fixture(extraSql) {}
    void SetUp() override;
    // The map window and the windows a click on it opens belong to the main window.
    void TearDown() override;

    // A map window for the species, as View > Arboplot opens it, shown and drawn.
    frmMap *openMap(const QString &spId);

    MapWindowFixture fixture;
    frmMain *main = nullptr;
};
