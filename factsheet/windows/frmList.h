#pragma once
#include <QStringList>
#include <QWidget>

class DragPanel;
class QTextEdit;
class ReportList;
struct SpeciesList;

// The species list window: the names of the current selection above, the fact
// sheet of the chosen species below, a splitter bar between them.
class frmList : public QWidget {
    Q_OBJECT
public:
    explicit frmList(QWidget *parent = nullptr);
    ~frmList() override;

    // Builds the fact sheet of species `paramlist` into richDetail. Throws
    // CatalogueError when it cannot; the text then stays as it was.
    void ViewInRich(const QString &paramlist);
    // Formats the fact sheet's headings.
    void Colorize();
    void colorword(const QString &Swords, const QColor &Scolor, int SFontsize, bool Sbold, bool Sitalic);

    // Shows the species of the selected row (what a row click does).
    void ShowSelectedSpecies();
    // Shows a species' fact sheet from its top, as a row choice does; a sheet
    // that cannot be built leaves the text empty.
    void ShowFactSheet(const QString &spId);

    // Replaces the list's rows; filling is no choice, so the fact sheet stays.
    // Returns the first row's species ("" for an empty list), which is selected.
    QString ShowRows(const SpeciesList &rows);
    // The same, with no row selected (a search result: the user picks a row).
    void ShowRowsUnselected(const SpeciesList &rows);

    QWidget *pic1;
    ReportList *lstTree;
    DragPanel *pic2;
    QWidget *pic3;
    QTextEdit *richDetail;

    bool dragging = false;
    double lastDragY = 0; // twips

    int upperPaneHeight() const; // twips, rounded
    void setUpperPaneHeight(double twips);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showHeaders();
    QStringList m_headers;      // the shown list's column headings, untranslated
    QString m_shownSpecies;     // the SpID whose fact sheet is shown
    void layoutPanes();
    void dragTo(QPoint position);
    void headerClicked(int section);
    // Tells the shared species state which species the selected row holds.
    void publishSelection();

    int m_upper; // pixels
};

// Fonts of the list window, with metric-compatible stand-ins where missing.
void InstallListFonts();
// The fact sheet's font families: the monospaced body font, then one font for
// each script the catalogue's names are written in.
QStringList FactSheetFamilies();
