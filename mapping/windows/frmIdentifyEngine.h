#pragma once
#include "report/SitePosition.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

class MapControl;
class QGroupBox;
class QPushButton;
class ReportList;
class ShapeLayer;
class splitter;

// What a "Suitable Tree Species" window lists for one grid point, each row as
// the texts of its columns.
struct PointSpeciesRows {
    QList<QStringList> values;     // Field, Value
    QList<QStringList> suitable;   // Species ID, Species Name, Functional Uses
    QList<QStringList> nearMisses; // Species ID, Species Name, Criterion, Value, Range, Miss
    QList<QStringList> incomplete; // Species ID, Species Name
};

// Adds the rows of a grid point (given as its feature in the grid layer) that
// the map window does not read from the grid itself: the near misses and
// incomplete ranges, which the analyses provide to the map window that opens
// these windows, and each installed scenario's values. Without one those
// lists stay empty.
using PointRowsLookup =
    std::function<void(PointSpeciesRows &rows, const std::shared_ptr<const ShapeLayer> &grid, std::uint32_t feature)>;

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
    static frmIdentifyEngine *FindSuitableSpecies(MapControl *map, double x, double y, QWidget *owner,
                                                  const PointRowsLookup &moreRows = {});

    // Replaces the rows of the four lists. The point's values widen their
    // field column to the longest name (a scenario's rows name the scenario).
    void ShowRows(const PointSpeciesRows &rows);

    // Shows the chosen species in the species list window.
    void ShowChosenSpecies();
    // The position the lists are for (remembered as the last site asked about).
    void SetSite(const SitePosition &site);
    const SitePosition &site() const { return m_site; }
    // Opens the Site Report window for this window's position.
    void cmdReport_Click();

    QWidget *frmContainer;
    ReportList *lstIdentifyMap;
    splitter *splt;
    // Right of the bar: the suitable species, then the species that miss by
    // one range (sorted by the relative miss) and those with a range missing.
    QWidget *frmAnswers;
    ReportList *lstSTS;
    QGroupBox *fraNear, *fraIncomplete;
    ReportList *lstNear;       // Species ID, Species Name, Criterion, Value, Range, Miss
    ReportList *lstIncomplete; // Species ID, Species Name
    QPushButton *cmdReport;    // "Site Report..."

    // The window's title, made again in the current language on every change of language.
    void setTitle(const std::function<QString()> &title);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QObject *m_titleMaker = nullptr; // keeps the title in the current language
    void buildAnswerLists();
    void layOutLists();

    int m_valuesWidth = 0; // pixels of the left list
    SitePosition m_site;
};
