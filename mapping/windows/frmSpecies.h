#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class ReportList;

// Which side of the comparison window the species chooser fills: 1 the first
// species, 2 the second; set by the comparison window before it shows the chooser.
int ChooserSide();
void SetChooserSide(int side);

// The boxes of one side of the comparison window that a choice fills.
struct ChooserTarget {
    QLineEdit *identifier = nullptr; // the species' SpID
    QLineEdit *name = nullptr;       // its current name
    // MinAltitude, MaxAltitude, MinRainfall, MaxRainfall, MinTemperature, MaxTemperature.
    QLineEdit *ranges[6] = {};
};

// "Choose Species": a modal dialog that lists every species whose current name
// contains the typed text, refilled on every keystroke. A double click or Enter
// on a listed species writes it into the side named by ChooserSide and closes.
class frmSpecies : public QDialog {
    Q_OBJECT
public:
    // `first` and `second` are what ChooserSide 1 and 2 fill.
    frmSpecies(QWidget *owner, const ChooserTarget &first, const ChooserTarget &second);

    // Lists the species whose current name contains txtSpecies' text.
    void FillSpeciesList();
    // Writes the selected row's species into the chooser's side and closes;
    // with no row selected it does nothing.
    void ChooseSpecies();

    QLabel *lblSpecies;
    QLineEdit *txtSpecies;
    ReportList *lstSpecies;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ChooserTarget m_sides[2];
};
