#pragma once
#include "analysis/AnalysisInputs.h"
#include "analysis/ClimateShift.h"
#include "analysis/windows/AnalysisSubject.h"
#include "controls/SaveDialog.h"

#include <QWidget>

#include <memory>
#include <optional>

class AnalysisMapView;
class MapLegend;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class ScenarioChoice;

// "Climate Shift": where a species' full match is kept, lost and gained when
// the grid's temperature is raised by ΔT °C and its rainfall changed by ΔP %,
// altitude unchanged: a map in three colours with a legend, and the km² of
// each in total and per country. A uniform shift of the grid's climate, not a
// climate projection, as the window and every saved picture say. When
// scenario grids are installed beside the grid, cboClimate also offers each
// of them instead of the uniform shift: the projection of one climate model,
// named in the legend and every saved picture.
class frmClimateShift : public QWidget {
    Q_OBJECT
public:
    // Opens for the current species; throws MapError when the grid cannot be read.
    explicit frmClimateShift(QWidget *owner);

    // Reads ΔT and ΔP and shows the shift; bad input is told in lblMessage
    // and the last answer stays.
    void ShowShift();
    // The species chooser; a species without ranges is refused.
    void cmdSp_Click();
    void cmdSave_Click();
    // After the choice of "uniform shift" or an installed scenario: the
    // species' answer on that climate.
    void ShowClimate();

    QLineEdit *txtSp;       // the species' current name
    QPushButton *cmdSp;     // "..." opens the species chooser
    QLineEdit *txtDT, *txtDP;
    ScenarioChoice *cboClimate; // shown only when a scenario is installed
    QLabel *lblCaveat, *lblMessage, *lblRanges;
    AnalysisMapView *view;
    MapLegend *legend;
    QTreeWidget *lstShift;  // Country, Kept, Lost, Gained (km²)
    QPushButton *cmdSave, *cmdClose;

    SaveDialogRunner saveDialog = ModalSaveDialog();

private:
    void buildInputs();
    void buildResults();
    void layOut();
    void showCurrentSpecies();
    // Shows the species' shift; false (after a message) when it cannot.
    bool showFor(const AnalysisSubject &subject, double dT, double dP);
    QString shiftText() const;

    std::shared_ptr<const AnalysisInputs> m_inputs;
    std::optional<AnalysisSubject> m_subject;
    double m_dT = 0, m_dP = 0;
};
