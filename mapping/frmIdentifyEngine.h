#pragma once
#include <QWidget>

class MapControl;
class ReportList;
class splitter;

// The species that suit one clicked grid point, beside the point's own values.
class frmIdentifyEngine : public QWidget {
    Q_OBJECT
public:
    explicit frmIdentifyEngine(QWidget *owner);

    // Looks up the canvas grid point nearest the click and, when there is one,
    // opens a new window listing the point's values and every species whose
    // three ranges contain them. Returns the window, or null when no point lies
    // within reach. Throws (MapError, CatalogueError, std::runtime_error) naming
    // what failed, such as a grid point without a value.
    static frmIdentifyEngine *FindSuitableSpecies(MapControl *map, double x, double y, QWidget *owner);

    // Shows the chosen species in the species list window.
    void ShowChosenSpecies();

    QWidget *frmContainer;
    ReportList *lstIdentifyMap;
    splitter *splt;
    ReportList *lstSTS;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    int m_valuesWidth = 0; // pixels of the left list
};
