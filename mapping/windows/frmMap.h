#pragma once
#include "analysis/ScenarioGrids.h"
#include "mapping/Classification.h"
#include "mapping/windows/MapImageExport.h"
#include "mapping/windows/MapWindowParts.h"
#include "mapping/windows/SuitabilityMap.h"
#include "mapping/windows/frmIdentifyEngine.h"

#include <QList>
#include <QWidget>

#include <memory>
#include <optional>

class LabelLayer;
class MapShape;
class MapPlaceTools;
struct Place;
class MapControl;
class MapNavigator;
class MapToolbar;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The suitability map of one species: where its altitude, rainfall and
// temperature ranges meet the grid of the region, over the country map.
class frmMap : public QWidget {
    Q_OBJECT
public:
    // Opens for the current species (and the selected list row's current name).
    // `nearMisses` adds the near misses to the windows its Suitable Tree
    // Species tool opens.
    explicit frmMap(QWidget *owner, PointRowsLookup nearMisses = {});
    ~frmMap() override;

    void ShowDisclaimer();
    // The classification, after each drawn layer.
    void RedrawClassification(int layerIndex);
    void tbrMain_ButtonClick(const QString &key);
    void mapTree_MouseDown(int button, int shift, double x, double y);
    void IdentifyPoint(double x, double y);
    // Centres the map on the place, marks it and opens the Suitable Tree
    // Species window for it, titled with the place's name (the main window's
    // Find Place box asks this of the active map).
    void ShowPlace(const Place &place);
    void cmdDefaultValue_Click();
    void cmdClear_Click();
    void cmdSaveToImage_Click();
    LabelLayer &labels();
    // The ranges in the six boxes as typed (an empty box is a missing bound),
    // the one way other windows learn them. Throws Error naming a box that
    // holds text that is not a number.
    Bounds boxBounds() const;
    // The map window activated last (or shown last) that is still open, or
    // null: the "active map" of the main window's analysis commands, which
    // activate the main window when chosen.
    static frmMap *LastActive();

    int SpID = 0;
    // Zoom level, chosen tool and range source.
    MapNavigator *navigator;

    MapControl *mapTree;
    MapToolbar *tbrMain;
    // The Find Place box and the Provinces check box at the toolbar's end.
    MapPlaceTools *placeTools;
    QGroupBox *frmPerimeter;
    QCheckBox *chkLayerMap, *chkLayerMAT, *chkLayerMAR, *chkLayerALT;
    QLineEdit *txtALTMin, *txtALTMax, *txtMARMin, *txtMARMax, *txtMATMin, *txtMATMax;
    QList<QWidget *> picLegend; // 0-3 layer legend, 4-7 class legend
    QList<QLabel *> lblLegend;
    QLabel *lblParam, *lblDescParam, *lblInvasive, *lblDisclaimer;
    QPushButton *cmdClear, *cmdDefaultValue, *cmdSaveToImage, *cmdClose;

    // How the save dialog is run (tests answer it).
    SaveDialogRunner saveDialog = ModalSaveDialog();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void buildParameterPanel();
    void buildClassLegend();
    void buildButtons();
    void showPlaceSpecies(const Place &place);
    // The Country and Province rows of identify for a grid point.
    QList<QStringList> placeRows(const MapShape &point) const;
    SuitabilitySide side() const;
    // The owner of the windows a map click opens.
    QWidget *resultOwner() const;

    ParameterPanel m_panel;
    std::unique_ptr<LabelLayer> m_labels;
    // Each installed scenario's MAR and MAT at a grid point, read on the
    // first identify (a scenario that cannot be read is told then, once).
    QList<QStringList> scenarioRows(std::uint32_t feature);
    // What the Suitable Tree Species window adds to the point's own rows:
    // the scenarios' values and the near misses.
    PointRowsLookup pointRows();

    PointRowsLookup m_nearMisses;
    std::optional<ScenarioLayers> m_scenarios;
    bool m_speciesMissingShown = false;
};
