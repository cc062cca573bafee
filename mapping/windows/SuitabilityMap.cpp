#include "mapping/windows/SuitabilityMap.h"

#include "analysis/SuitabilityClasses.h"
#include "base/ApplicationFolder.h"
#include "mapping/Classification.h"
#include "mapping/GridDataRanges.h"
#include "mapping/GridLayers.h"
#include "mapping/windows/MapControl.h"
#include "mapping/MapLayer.h"
#include "mapping/MapRecordSet.h"
#include "mapping/SpeciesRanges.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <exception>

namespace {

// Shows or hides the class legend entries of the classes and says which are shown.
ClassChoice shownClasses(const SuitabilitySide &side)
{
    ClassChoice shown{};
    for (int order = 0; order < 4; ++order) {
        shown[order] = side.layers[order]->isChecked();
        if (side.classSwatch[order])
            side.classSwatch[order]->setVisible(shown[order]);
        if (side.classCaption[order])
            side.classCaption[order]->setVisible(shown[order]);
    }
    return shown;
}

void drawClass(const SuitabilitySide &side, int order, const MapRecordSet &points, int zoomLevel)
{
    const SuitabilityClass &cls = ClassAt(order);
    MapSymbol symbol;
    symbol.symbolType = SymbolTypeMarker;
    symbol.color = symbol.outlineColor = QColor(cls.red, cls.green, cls.blue);
    symbol.size = PointSizeForZoom(zoomLevel);
    side.map->drawShape(points, symbol);
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
    AddGridLayers(map->layers(), ShapeLayer::open(folder + QStringLiteral("pasia_canvas.shp")),
                  [&folder] { return ShapeLayer::open(folder + QStringLiteral("country_bnd.shp")); });
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
    const ClassChoice shown = shownClasses(side);
    const MapLayer &canvas = *side.map->layers().item(CanvasLayer);
    auto points = ClassPointsOf(canvas, filters, shown);
    for (int order = 0; order < 4; ++order)
        if (!points[order].empty())
            drawClass(side, order, MapRecordSet(canvas.data(), std::move(points[order])), zoomLevel);
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
