#pragma once
#include <QString>
#include <QStringList>

class MapControl;
class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

// Where a drawing takes the species' ranges from: the catalogue, or (after
// "Generate Map") the range boxes.
enum class RangeSource { Catalogue, Boxes };

// The controls that feed and show one suitability map.
struct SuitabilitySide {
    MapControl *map = nullptr;
    // Which classes are drawn, in drawing order: altitude, rainfall, temperature, species.
    QCheckBox *layers[4] = {};
    // ALTMin, ALTMax, MARMin, MARMax, MATMin, MATMax.
    QLineEdit *boxes[6] = {};
    QLabel *invasive = nullptr;
    QLabel *description = nullptr;
    // The class legend (swatch and caption per class); null where a window has none.
    QWidget *classSwatch[4] = {};
    QLabel *classCaption[4] = {};
};

// The index of the canvas grid among the layers LoadMapLayers adds.
constexpr int CanvasLayer = 1;

// Fields of a grid point that the identify windows leave out.
const QStringList &IdentifyHiddenFields();

// Loads the canvas grid (hidden) and the country boundaries (white) from the
// application's ShapeFiles folder. Throws MapError naming the file that failed;
// layers added before the failure stay.
void LoadMapLayers(MapControl *map);

// The classification of one drawing: reads the species' ranges from the
// catalogue or (after "Generate Map") from the boxes, clamps them, writes them back into the boxes,
// sets the warning and the "Parameters Used" text, and draws the checked classes
// on the canvas grid with points sized for the zoom level. Only inside the map's
// layer-drawn notification. A class whose filter the map rejects draws nothing;
// the others are still drawn.
void DrawSuitability(const SuitabilitySide &side, const QString &spId, RangeSource source, int zoomLevel);

// The bounds in the six boxes: trimmed text, missing when empty or not a number.
struct Bounds;
Bounds BoundsFromBoxes(QLineEdit *const boxes[6]);

// Puts the species' stored ranges back into the boxes; a null range leaves its box as it is.
void RestoreDefaultValues(const QString &spId, QLineEdit *const boxes[6]);
