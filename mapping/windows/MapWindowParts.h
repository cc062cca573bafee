#pragma once
#include "controls/Twips.h"
#include "mapping/MapSources.h"
#include "mapping/windows/SuitabilityMap.h"

#include <QColor>
#include <QList>
#include <QString>

class MapControl;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

// The pieces the map window and the comparison window are both built from.

// A fixed caption; one taller than a line wraps its words.
QLabel *TwipsLabel(QWidget *parent, const QString &text, double left, double top, double width, double height = 240);
// A plain colour swatch of the legends.
QWidget *ColourSwatch(QWidget *parent, const QColor &color, double left, double top, double width, double height);
// The invasive-species warning: bold red text, empty until a drawing sets it.
QLabel *WarningLabel(QWidget *parent, double left, double top, double width, double height);

// Swatch colours of the altitude, rainfall, temperature and tree-species legend entries.
extern const QColor LegendColours[4];

// The parameter panel of one map: the six range boxes, the four layer check
// boxes, the layer legend, the criteria used and the data ranges.
struct ParameterPanel {
    QLineEdit *txtALTMin = nullptr, *txtALTMax = nullptr, *txtMARMin = nullptr, *txtMARMax = nullptr,
              *txtMATMin = nullptr, *txtMATMax = nullptr;
    QCheckBox *chkLayerALT = nullptr, *chkLayerMAR = nullptr, *chkLayerMAT = nullptr, *chkLayerMap = nullptr;
    QList<QWidget *> picLegend; // the layer legend, "Altitude" .. "Tree Species"
    QList<QLabel *> lblLegend;
    QLabel *lblParam = nullptr, *lblDescParam = nullptr;

    // The check boxes in drawing order (altitude, rainfall, temperature, species).
    QList<QCheckBox *> layerChecks() const;
    // The controls that feed and show `map`; no class legend.
    SuitabilitySide side(MapControl *map, QLabel *invasive) const;
};

// Builds a panel's controls into `frame` at their fixed places. Their object
// names are the control names followed by `suffix` (for a second panel, "2");
// the legend's carry their index after that.
ParameterPanel BuildParameterPanel(QGroupBox *frame, const QString &suffix = QString());

// One zoom step: scales the map's extent by `factor` about its centre and redraws.
void ZoomMap(MapControl *map, double factor);

// The stamp of a saved suitability map: the species, the ranges in the
// side's boxes (those the last drawing used), the classes shown and the
// sources of the application's layers.
PictureStamp SuitabilityStamp(const SuitabilitySide &side, const QString &species, const QString &spId);
