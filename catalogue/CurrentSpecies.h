#pragma once
#include "catalogue/SpeciesLists.h"

#include <QObject>
#include <QString>

// The application-wide species state that windows share through the core
// rather than through each other's controls:
// - the current species (CurrentSpID): the SpID text of the species chosen
//   last, set by the list loaders and by a row choice in the list window;
// - the species of the list window's selected row, with its current name
//   (after a search no row is selected, and the current species stays);
// - requests to the list window, which the main window carries out: show a
//   species (its names and fact sheet), or show a list of names.
class CurrentSpecies : public QObject {
    Q_OBJECT
public:
    static CurrentSpecies &instance();

    QString id() const { return m_id; }
    void setId(const QString &spId) { m_id = spId; }

    // Empty texts when no row is selected or the list window is closed.
    QString selectedId() const { return m_selectedId; }
    QString selectedName() const { return m_selectedName; }
    void setSelected(const QString &spId, const QString &currentName);

    // Shows the species in the list window: its current name and synonyms
    // listed, its fact sheet from the top.
    void showSpecies(const QString &spId) { emit speciesRequested(spId); }
    // Shows a list of names (a search result) with no row chosen.
    void showList(const SpeciesList &rows) { emit listRequested(rows); }

signals:
    void speciesRequested(const QString &spId);
    void listRequested(const SpeciesList &rows);

private:
    QString m_id, m_selectedId, m_selectedName;
};

QString CurrentSpID();
void SetCurrentSpID(const QString &spId);
