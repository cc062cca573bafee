#include "mapping/windows/MapNavigator.h"

#include "mapping/windows/MapControl.h"
#include "mapping/windows/MapToolbar.h"
#include "mapping/windows/MapWindowParts.h"

#include <QAction>

namespace {

constexpr int DeepestZoomLevel = 9;

MapTool toolOfKey(const QString &key)
{
    if (key == QLatin1String("k1")) return MapTool::ZoomIn;
    if (key == QLatin1String("k2")) return MapTool::ZoomOut;
    if (key == QLatin1String("k3")) return MapTool::Pan;
    if (key == QLatin1String("k4")) return MapTool::Identify;
    if (key == QLatin1String("k5")) return MapTool::SuitableSpecies;
    return MapTool::None;
}

} // namespace

int PointerOf(MapTool tool)
{
    switch (tool) {
    case MapTool::ZoomIn: return PointerZoomIn;
    case MapTool::ZoomOut: return PointerZoomOut;
    case MapTool::Pan: return PointerPan;
    case MapTool::Identify:
    case MapTool::SuitableSpecies: return PointerIdentify;
    case MapTool::None: break;
    }
    return PointerDefault;
}

MapNavigator::MapNavigator(MapToolbar *toolbar, const QList<MapControl *> &maps, CheckBoxClick checkBoxClick,
                           QObject *parent)
    : QObject(parent), m_toolbar(toolbar), m_maps(maps), m_checkBoxClick(checkBoxClick)
{
}

MapTool MapNavigator::pressedTool() const { return toolOfKey(m_toolbar->pressedTool()); }

void MapNavigator::setPointers(MapTool tool)
{
    for (MapControl *map : m_maps)
        map->setMousePointer(PointerOf(tool));
}

void MapNavigator::buttonClicked(const QString &key)
{
    if (const MapTool tool = toolOfKey(key); tool != MapTool::None) {
        m_chosen = tool;
    } else if (key == QLatin1String("k6")) { // Full Extent
        m_chosen = MapTool::None;
        for (MapControl *map : m_maps)
            map->setExtent(map->fullExtent());
        m_toolbar->releaseTools();
        m_toolbar->button(QStringLiteral("k1"))->setEnabled(true);
        m_zoomLevel = 1;
        for (MapControl *map : m_maps)
            map->refresh();
    } else if (key == QLatin1String("k7")) { // Generate Map
        m_rangeSource = RangeSource::Boxes;
        for (MapControl *map : m_maps)
            map->refresh();
    }
    setPointers(m_chosen);
}

void MapNavigator::chooseTool(const QString &key)
{
    if (QAction *button = m_toolbar->button(key); button && button->isCheckable())
        button->setChecked(true);
    buttonClicked(key);
}

void MapNavigator::layerCheckClicked(MapControl *map)
{
    if (m_checkBoxClick == CheckBoxClick::ReleasesTools)
        m_toolbar->releaseTools();
    m_toolbar->button(QStringLiteral("k1"))->setEnabled(true);
    m_zoomLevel = 1;
    map->setExtent(map->fullExtent());
}

MapTool MapNavigator::mousePressed(MapControl *map)
{
    const MapTool tool = pressedTool();
    // The pressed map first, then the others: the views zoom together about their centres.
    QList<MapControl *> order{map};
    for (MapControl *other : m_maps)
        if (other != map)
            order << other;
    QAction *zoomIn = m_toolbar->button(QStringLiteral("k1"));
    switch (tool) {
    case MapTool::ZoomIn:
        ++m_zoomLevel;
        for (MapControl *each : order) {
            ZoomMap(each, 0.75);
            if (m_zoomLevel == DeepestZoomLevel) {
                zoomIn->setChecked(false);
                zoomIn->setEnabled(false);
                each->setMousePointer(PointerDefault);
            }
        }
        break;
    case MapTool::ZoomOut:
        if (m_zoomLevel != 1)
            --m_zoomLevel;
        if (m_zoomLevel != DeepestZoomLevel)
            zoomIn->setEnabled(true);
        for (MapControl *each : order)
            ZoomMap(each, 1.25);
        break;
    case MapTool::Pan: // only the pressed map moves
        map->setMousePointer(PointerPanning);
        map->pan();
        map->setMousePointer(PointerOf(m_chosen));
        break;
    default:
        break;
    }
    return tool;
}
