#include "mapping/windows/MapPlaceTools.h"

#include "base/ApplicationFolder.h"
#include "mapping/MapError.h"
#include "mapping/MapRecordSet.h"
#include "mapping/MapShape.h"
#include "mapping/PolygonNames.h"
#include "mapping/ShapeLayer.h"
#include "mapping/windows/MapControl.h"
#include "mapping/windows/MapNavigator.h"
#include "mapping/windows/MapToolbar.h"
#include "places/windows/FindPlaceBox.h"
#include "controls/ShowError.h"
#include "mapping/windows/frmIdentifyEngine.h"

#include "controls/TranslatedText.h"

#include <QCheckBox>
#include <QFileInfo>

#include <numeric>

MapPlaceTools::MapPlaceTools(MapToolbar *toolbar, const QList<MapControl *> &maps, MapNavigator *navigator)
    : QObject(toolbar), txtFindPlace(new FindPlaceBox(toolbar)), chkProvinces(Translated(new QCheckBox(toolbar), "MapPlaceTools", QT_TR_NOOP("Provinces"))),
      m_maps(maps), m_navigator(navigator)
{
    toolbar->addSeparator();
    txtFindPlace->setFixedWidth(190);
    toolbar->addWidget(txtFindPlace);
    chkProvinces->setObjectName(QStringLiteral("chkProvinces"));
    toolbar->addWidget(chkProvinces);
    const QString path = ApplicationPath(QStringLiteral("\\ShapeFiles\\province_bnd.shp"));
    try {
        if (QFileInfo::exists(path))
            m_provinces = ShapeLayer::open(path);
    } catch (const MapError &) {
        // Told by the box's tooltip below; the maps draw as before.
    }
    chkProvinces->setEnabled(m_provinces != nullptr);
    SetTranslatedToolTip(chkProvinces, "MapPlaceTools",
                         m_provinces ? QT_TR_NOOP("Draw the outlines of provinces and states")
                                     : QT_TR_NOOP("The province layer (ShapeFiles/province_bnd.shp) is missing or unreadable"));
    connect(chkProvinces, &QCheckBox::toggled, this, [this] {
        for (MapControl *map : m_maps)
            map->refresh();
    });
    connect(txtFindPlace, &FindPlaceBox::placeChosen, this, [this](const Place &place) {
        showPlace(place);
        emit placeShown(place);
    });
}

void MapPlaceTools::draw(MapControl *map) const
{
    if (m_provinces && chkProvinces->isChecked()) {
        std::vector<std::uint32_t> all(m_provinces->featureCount());
        std::iota(all.begin(), all.end(), 0U);
        MapSymbol outline;
        outline.symbolType = SymbolTypeFill;
        outline.color = Qt::transparent;
        outline.outlineColor = QColor(110, 110, 110);
        map->drawShape(MapRecordSet(m_provinces, std::move(all)), outline);
    }
    if (!m_place)
        return;
    MapSymbol mark;
    mark.color = QColor(220, 30, 30);
    mark.outlineColor = Qt::white;
    mark.size = 9;
    map->drawShape(MapShape::point(m_place->lon, m_place->lat), mark);
    TextSymbol name;
    name.height = map->extent().height() / 28;
    name.color = QColor(150, 0, 0);
    name.font.setBold(true);
    map->drawText(m_place->name, MapShape::point(m_place->lon, m_place->lat + name.height), name);
}

void MapPlaceTools::showPlace(const Place &place)
{
    m_place = place;
    for (MapControl *map : m_maps) {
        MapExtent view = map->extent();
        for (int level = m_navigator->zoomLevel(); level < PlaceZoomLevel; ++level)
            view.ScaleRectangle(0.75);
        const MapPoint centre = view.center();
        map->setExtent(MapExtent(view.left() + place.lon - centre.x, view.bottom() + place.lat - centre.y,
                                 view.right() + place.lon - centre.x, view.top() + place.lat - centre.y));
    }
    m_navigator->setZoomLevel(std::max(m_navigator->zoomLevel(), PlaceZoomLevel));
    for (MapControl *map : m_maps)
        map->refresh();
}

QString MapPlaceTools::provinceAt(double lon, double lat) const
{
    return m_provinces ? PolygonFieldAt(*m_provinces, {lon, lat}, QStringLiteral("NAME")) : QString();
}

void ShowPlaceSpecies(MapControl *map, const Place &place, QWidget *owner, QWidget *window, const PointRowsLookup &moreRows)
{
    try {
        const QPointF pixel = map->toPixel({place.lon, place.lat});
        frmIdentifyEngine *species = frmIdentifyEngine::FindSuitableSpecies(map, pixel.x(), pixel.y(), owner, moreRows);
        if (species) {
            species->setTitle([place] { return MapPlaceTools::tr("Suitable Tree Species - %1").arg(PlaceRowText(place)); });
            species->SetSite({place.lon, place.lat, PlaceRowText(place)});
        } else {
            ShowError(window, MapPlaceTools::tr("Find Place"),
                      MapPlaceTools::tr("No grid point lies near %1, so no species can be matched to it.").arg(place.name));
        }
    } catch (const std::exception &e) {
        ShowError(window, MapPlaceTools::tr("Find Place"), e);
    }
}
