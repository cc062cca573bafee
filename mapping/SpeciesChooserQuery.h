#pragma once
#include <QList>
#include <QString>

// The species the chooser offers for a typed part of a name.
struct ChooserRow {
    QString spId;
    QString name; // current name
};

// Every species whose current name contains `typed` anywhere (case-insensitive;
// an empty text matches all). The typed quotes are doubled so they are searched
// for; "%" and "_" keep their wildcard meaning.
QString SpeciesChooserStatement(const QString &typed);

// Runs the statement on the open catalogue; rows in the order the catalogue
// returns them. Throws CatalogueError when it cannot.
QList<ChooserRow> QuerySpeciesChooser(const QString &typed);

// The text a range box of the chooser's side shows for a stored value: the
// number as written in the catalogue, "0" for a null value.
QString ChosenRangeText(const QVariant &stored);
