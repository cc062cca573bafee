#pragma once
#include "mapping/windows/SuitabilityMap.h"

#include <QList>
#include <QObject>
#include <QString>

class MapControl;
class MapToolbar;

// The tools of a map toolbar, by what they do.
enum class MapTool { None, ZoomIn, ZoomOut, Pan, Identify, SuitableSpecies };

// The map pointer shown while a tool is chosen.
int PointerOf(MapTool tool);

// Zoom level, chosen tool and range source of one toolbar and the maps it
// drives: a map window has one map, the comparison window two that zoom
// together. The windows hand their toolbar clicks, layer check box clicks and
// map presses to it; what a press means for the identify and suitable-species
// tools is left to the window.
class MapNavigator : public QObject {
    Q_OBJECT
public:
    // What a layer check box click does to the pressed tool.
    enum class CheckBoxClick { KeepsTool, ReleasesTools };
    MapNavigator(MapToolbar *toolbar, const QList<MapControl *> &maps, CheckBoxClick checkBoxClick, QObject *parent);

    // 1 at the full extent, up to 9 after eight zoom-in steps.
    int zoomLevel() const { return m_zoomLevel; }
    void setZoomLevel(int level) { m_zoomLevel = level; }
    // The catalogue until "Generate Map", then the range boxes for good.
    RangeSource rangeSource() const { return m_rangeSource; }
    // The tool chosen last on the toolbar, which the map pointer shows.
    MapTool chosenTool() const { return m_chosen; }
    // The tool whose button is pressed now (none after Full Extent or at zoom level 9).
    MapTool pressedTool() const;

    void buttonClicked(const QString &key);
    // Presses a tool button ("k1" ...) as a click on it would, for a window
    // that opens with a tool chosen.
    void chooseTool(const QString &key);
    void layerCheckClicked(MapControl *map);
    // Zooms or pans for a press on `map`; returns the pressed tool, so that the
    // window carries out the identify and suitable-species tools. Throws MapError
    // when the map cannot be drawn.
    MapTool mousePressed(MapControl *map);

private:
    void setPointers(MapTool tool);

    MapToolbar *m_toolbar;
    QList<MapControl *> m_maps;
    CheckBoxClick m_checkBoxClick;
    int m_zoomLevel = 1;
    RangeSource m_rangeSource = RangeSource::Catalogue;
    MapTool m_chosen = MapTool::None;
};
