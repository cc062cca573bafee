#pragma once
#include "mapping/windows/MapImageExport.h"
#include "mapping/windows/MapWindowParts.h"

#include <QWidget>

class MapControl;
class MapPlaceTools;
class MapNavigator;
class MapToolbar;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct ChosenSpecies;

// "Arboplot Comparison": two suitability maps side by side, each with its own
// species and parameter panel, under one toolbar. Both maps start with the
// current species; the chooser buttons pick another for either side.
class frmCompare : public QWidget {
    Q_OBJECT
public:
    explicit frmCompare(QWidget *owner);

    void tbrMain_ButtonClick(const QString &key);
    // A mouse button went down on `pressed`: the pressed tool zooms both maps
    // or pans the pressed one.
    void MapMouseDown(MapControl *pressed);
    // Shows the species chooser for side 1 or 2.
    void ChooseSpeciesFor(int side);
    // Saves the map of side 1 or 2 as a picture, proposing its species' name.
    void SaveMapOf(int side);

    // Zoom level, chosen tool and range source, shared by both maps.
    MapNavigator *navigator;

    MapToolbar *tbrMain;
    // The Find Place box and the Provinces check box at the toolbar's end.
    MapPlaceTools *placeTools;
    MapControl *mapTree, *mapTree2;
    QLineEdit *txtSp1, *txtSp2;     // the species' current names
    QLineEdit *txtTemp1, *txtTemp2; // their SpIDs (hidden)
    QPushButton *cmdSp1, *cmdSp2;
    QGroupBox *frmPerimeter, *Frame1;
    // Range boxes, layer check boxes, layer legend and criteria used of each side.
    ParameterPanel panel1, panel2;
    QLabel *lblInvasive1, *lblInvasive2;
    QPushButton *cmdSave1, *cmdSave2;

    // How the save dialog is run (tests answer it).
    SaveDialogRunner saveDialog = ModalSaveDialog();

private:
    void buildControls();
    void buildSpeciesRow(int side, double left, double labelWidth);
    void redraw(int side, int layer);
    MapControl *mapOf(int side) const { return side == 1 ? mapTree : mapTree2; }
    // Puts a species from the chooser into a side's name, identifier and range boxes.
    void showChosen(int side, const ChosenSpecies &chosen);
};
