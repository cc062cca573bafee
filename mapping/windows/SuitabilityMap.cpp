#include "mapping/windows/SuitabilityMap.h"

#include "base/ApplicationFolder.h"
#include "mapping/Classification.h"
#include "mapping/GridDataRanges.h"
#include "mapping/windows/MapControl.h"
#include "mapping/MapError.h"
#include "mapping/MapLayer.h"
#include "mapping/MapRecordSet.h"
#include "mapping/SpeciesRanges.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <exception>

namespace {


void drawClass(const SuitabilitySide &side, int order, const QString &filter, int zoomLevel)
{
    const bool checked = side.layers[order]->isChecked();
    if (side.classSwatch[order])
        side.classSwatch[order]->setVisible(checked);
    if (side.classCaption[order])
        side.classCaption[order]->setVisible(checked);
    if (!checked)
        return;
    try {
        const MapRecordSet found = side.map->layers().item(CanvasLayer)->SearchExpression(filter);
        if (found.isEOF())
            return;
        const SuitabilityClass &cls = ClassAt(order);
        MapSymbol symbol;
        symbol.symbolType = SymbolTypeMarker;
        symbol.color = symbol.outlineColor = QColor(cls.red, cls.green, cls.blue);
        symbol.size = PointSizeForZoom(zoomLevel);
        side.map->drawShape(found, symbol);
    } catch (const MapError &) {
        // A filter the map rejects (a bound left out) draws nothing for its class.
    }
}

} // namespace

const QStringList &IdentifyHiddenFields()
{
    static const QStringList hidden{QStringLiteral("COUNT"),   QStringLiteral("VALUE"),     QStringLiteral("Shape"),
                                    QStringLiteral("POINTID"), QStringLiteral("MAT_RANGE"), QStringLiteral("FeatureId")};
    return hidden;
}

void LoadMapLayers(MapControl *map)
{
    map->layers().clear();
    const QString folder = ApplicationPath(QStringLiteral("\\ShapeFiles\\"));
    auto canvas = MapLayer::fromFile(folder + QStringLiteral("pasia_canvas.shp"));
    map->layers().add(canvas);
    canvas->setVisible(false);
    auto boundaries = MapLayer::fromFile(folder + QStringLiteral("country_bnd.shp"));
    map->layers().add(boundaries);
    boundaries->setColor(QColor(255, 255, 255));
    LoadGridDataRanges(folder);
}

void DrawSuitability(const SuitabilitySide &side, const QString &spId, RangeSource source, int zoomLevel)
{
    // A species that cannot be read, or a box that holds no number, counts as missing.
    SpeciesRanges stored;
    try {
        stored = ReadSpeciesRanges(spId);
    } catch (const std::exception &) {
        // Said once when the window opened; a redraw draws no class instead of
        // asking again on every zoom.
    }
    side.invasive->setText(InvasiveWarning(stored.invasiveStatus));
    Bounds bounds = source == RangeSource::Boxes ? BoundsFromBoxes(side.boxes) : stored.bounds;
    ClampRanges(bounds);
    for (int c = 0; c < 3; ++c) {
        side.boxes[2 * c]->setText(bounds.min[c].boxText());
        side.boxes[2 * c + 1]->setText(bounds.max[c].boxText());
    }
    const ClassFilters filters = BuildClassFilters(bounds);
    side.description->setText(filters.description);
    if (side.map->layers().count() <= CanvasLayer)
        return;
    const QString classFilters[4] = {filters.altitude, filters.rainfall, filters.temperature, filters.species};
    for (int order = 0; order < 4; ++order)
        drawClass(side, order, classFilters[order], zoomLevel);
}

Bounds BoundsFromBoxes(QLineEdit *const boxes[6])
{
    Bounds b;
    for (int c = 0; c < 3; ++c) {
        b.min[c] = Bound::fromBox(boxes[2 * c]->text());
        b.max[c] = Bound::fromBox(boxes[2 * c + 1]->text());
    }
    return b;
}

void RestoreDefaultValues(const QString &spId, QLineEdit *const boxes[6])
{
    const SpeciesRanges stored = ReadSpeciesRanges(spId);
    for (int i = 0; i < 6; ++i) {
        if (stored.found && !stored.stored[i].isNull())
            boxes[i]->setText(Bound::fromValue(stored.stored[i]).expressionText());
    }
}
