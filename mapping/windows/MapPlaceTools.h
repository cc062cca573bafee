#pragma once
#include "mapping/windows/frmIdentifyEngine.h"
#include "places/PlaceIndex.h"

#include <QList>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class FindPlaceBox;
class MapControl;
class MapNavigator;
class MapToolbar;
class QCheckBox;
class QWidget;
class ShapeLayer;

// What a map window's toolbar adds after its buttons: the Find Place box and
// the Provinces check box (off, so the maps look as they always have), and
// what they draw over the maps: the province outlines when checked, and the
// mark and name of the place chosen last.
class MapPlaceTools : public QObject {
    Q_OBJECT
public:
    MapPlaceTools(MapToolbar *toolbar, const QList<MapControl *> &maps, MapNavigator *navigator);

    FindPlaceBox *txtFindPlace;
    QCheckBox *chkProvinces;

    // Draws the outlines and the mark on `map`; only inside its layer-drawn
    // notification of the top layer.
    void draw(MapControl *map) const;
    // Centres every map on the place, no farther out than the place zoom
    // level, and marks it.
    void showPlace(const Place &place);
    const std::optional<Place> &shownPlace() const { return m_place; }

    // The province of the province layer holding the point, "" where none
    // does or the layer is missing.
    QString provinceAt(double lon, double lat) const;

signals:
    // After a place was chosen in the box and shown on the maps.
    void placeShown(const Place &place);

private:
    QList<MapControl *> m_maps;
    MapNavigator *m_navigator;
    std::shared_ptr<const ShapeLayer> m_provinces;
    std::optional<Place> m_place;
};

// Opens the Suitable Tree Species window (owned by `owner`) for the grid point
// nearest the place on `map`, titled with the place; a failure, or no grid
// point near it, is told over `window`.
void ShowPlaceSpecies(MapControl *map, const Place &place, QWidget *owner, QWidget *window, const PointRowsLookup &moreRows = {});

// The zoom level a chosen place is shown at (a view about ten degrees wide
// on the region's map).
constexpr int PlaceZoomLevel = 7;
