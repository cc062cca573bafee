#pragma once
#include "analysis/AnalysisInputs.h"
#include "analysis/SpeciesRangeTable.h"
#include "controls/SaveDialog.h"

#include <QWidget>

#include <memory>
#include <optional>

class AnalysisMapView;
class MapLegend;
class QComboBox;
class QLabel;
class QPushButton;
class ScenarioChoice;

// "Species Count Map": how many species of the catalogue (all, or those of
// one functional use) suit each grid point, on a map with a colour-ramp
// legend; a click with the Planting List tool opens the suitable species of
// that use at the clicked point. When scenario grids are installed beside the
// grid, cboClimate counts on one of them instead of the current grid: the
// projection of one climate model, named in the legend and every saved picture.
class frmSpeciesCount : public QWidget {
    Q_OBJECT
public:
    // Throws MapError when the grid cannot be read, CatalogueError when the
    // catalogue's ranges cannot.
    explicit frmSpeciesCount(QWidget *owner);

    // Counts the species of the use chosen in cboUse and redraws.
    void ShowCounts();
    // After the choice of the current grid or an installed scenario: the
    // counts on that climate.
    void ShowClimate();
    void cmdSave_Click();

    QComboBox *cboUse;
    ScenarioChoice *cboClimate; // shown only when a scenario is installed
    AnalysisMapView *view;
    MapLegend *legend;
    QLabel *lblSummary;
    QPushButton *cmdSave, *cmdClose;

    SaveDialogRunner saveDialog = ModalSaveDialog();

private:
    void buildControls();
    void layOut();
    std::uint16_t chosenUse() const;
    QString chosenUseText() const;
    void openPlantingList(const MapPoint &point, double reach);

    std::shared_ptr<const AnalysisInputs> m_inputs;
    SpeciesRangeTable m_species;
    QString m_classesNote; // how the shown classes were made
    // The chosen scenario's climate, prepared for counting; none for the grid's own.
    std::optional<GridClimate> m_scenarioClimate;
    std::optional<SpeciesCountGrid> m_scenarioCounts;
};
