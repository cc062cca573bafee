#pragma once
#include "analysis/windows/AnalysisSubject.h"
#include "controls/SaveDialog.h"
#include "mapping/Classification.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class AnalysisInputs;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

// "Suitable Area by Country": the km² of each class of a species' map
// (altitude, rainfall, temperature, full match) per country and in total,
// with each as a share of the country's gridded land; sortable by any
// column, copied for a spreadsheet or saved as CSV.
class frmCountryArea : public QWidget {
    Q_OBJECT
public:
    // Throws MapError when the grid cannot be read.
    frmCountryArea(QWidget *owner, const AnalysisSubject &subject);

    // The window for the active map window's species and boxes, or the
    // current species' catalogue ranges; null (after a message naming the
    // problem) when there is nothing to compute.
    static frmCountryArea *Open(QWidget *owner);

    // The table as tab-separated text on the clipboard.
    void cmdCopy_Click();
    // Asks for a file and writes the table as CSV.
    void cmdSaveCsv_Click();

    QLabel *lblSpecies, *lblBoundaries, *lblTotal;
    // By country (as the window opens) or by province, for all countries or one.
    QComboBox *cboBy, *cboCountry;
    QTreeWidget *lstArea;
    QPushButton *cmdCopy = nullptr, *cmdSaveCsv = nullptr, *cmdClose = nullptr;

    SaveDialogRunner saveDialog = ModalSaveDialog();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    QString m_boundariesError;
    void buildLabels(const QString &species, const AnalysisInputs &inputs);
    void buildAreaList();
    void buildChoices(const AnalysisInputs &inputs);
    // Computes the table the choices ask for and shows it.
    void showTable();
    void fillAreaList(const QList<QStringList> &shown);
    void buildTotal(const QStringList &total);
    void buildButtons();
    void layOut();

    QString m_name;
    Bounds m_bounds;
    QList<QStringList> m_cells; // header, rows, total: what Copy and Save write
};
