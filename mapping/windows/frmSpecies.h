#pragma once
#include <QDialog>
#include <QString>

#include <optional>

class QLabel;
class QLineEdit;
class ReportList;

// The species a user chose, as the window that opened the chooser shows it.
struct ChosenSpecies {
    QString spId;
    QString name; // its current name
    // The stored ranges as range boxes show them: MinAltitude, MaxAltitude,
    // MinRainfall, MaxRainfall, MinTemperature, MaxTemperature.
    QString ranges[6];
};

// "Choose Species": a modal dialog that lists every species whose current name
// contains the typed text, refilled on every keystroke. A double click or Enter
// on a listed species chooses it and closes; whoever opened the chooser reads
// the choice once it has closed.
class frmSpecies : public QDialog {
    Q_OBJECT
public:
    explicit frmSpecies(QWidget *owner);

    // Lists the species whose current name contains txtSpecies' text.
    void FillSpeciesList();
    // Takes the selected row's species as the choice and closes; with no row
    // selected it does nothing.
    void ChooseSpecies();
    // The species chosen, or none while no species was.
    const std::optional<ChosenSpecies> &chosen() const { return m_chosen; }

    QLabel *lblSpecies;
    QLineEdit *txtSpecies;
    ReportList *lstSpecies;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::optional<ChosenSpecies> m_chosen;
};
