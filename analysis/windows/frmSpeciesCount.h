#pragma once
#include "analysis/AnalysisInputs.h"
#include "analysis/SpeciesRangeTable.h"
#include "controls/SaveDialog.h"

#include <QWidget>

#include <memory>

class AnalysisMapView;
class MapLegend;
class QComboBox;
class QLabel;
class QPushButton;

// "Species Count Map": how many species of the catalogue (all, or those of
// one functional use) suit each grid point, on a map with a colour-ramp
// legend; a click with the Planting List tool opens the suitable species of
// that use at the clicked point.
class frmSpeciesCount : public QWidget {
    Q_OBJECT
public:
    // Throws MapError when the grid cannot be read, CatalogueError when the
    // catalogue's ranges cannot.
    explicit frmSpeciesCount(QWidget *owner);

    // Counts the species of the use chosen in cboUse and redraws.
    void ShowCounts();
    void cmdSave_Click();

    QComboBox *cboUse;
    AnalysisMapView *view;
    MapLegend *legend;
    QLabel *lblSummary;
    QPushButton *cmdSave, *cmdClose;

    SaveDialogRunner saveDialog = ModalSaveDialog();

private:
    std::uint16_t chosenUse() const;
    QString chosenUseText() const;
    void openPlantingList(const MapPoint &point, double reach);

    std::shared_ptr<const AnalysisInputs> m_inputs;
    SpeciesRangeTable m_species;
    QString m_classesNote; // how the shown classes were made
};
