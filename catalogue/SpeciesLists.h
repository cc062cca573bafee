#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// One row of a species name list: the five sub-items after the empty item text.
struct SpeciesListRow {
    QString spId;     // column 2 (hidden)
    QString found;    // column 3: the name found
    QString current;  // column 4: the current name
    QString extra;    // column 5: genus, functional uses or genus
    QString language; // column 6: common-name lists only
};
Q_DECLARE_TYPEINFO(SpeciesListRow, Q_RELOCATABLE_TYPE);

// Headers of columns 3 to 6 (an empty text leaves a header as it was), widths
// of all six columns in twips, and the rows in statement order.
struct SpeciesList {
    QStringList headers;
    QList<int> widths;
    QList<SpeciesListRow> rows;
    QString error; // why the statement could not be run; the list is then empty
};

// The four name lists, run on the open catalogue. A statement that cannot be
// run gives an empty list with its headers and the error text.
SpeciesList QueryBotanicList(const QString &genus, int mode);
SpeciesList QueryCommonList(const QString &language, int mode);
SpeciesList QueryUseList(const QString &useColumn);
SpeciesList QuerySpeciesById(const QString &spId);

// The genus and language texts of the navigation trees.
QStringList QueryBotanicTree();
QStringList QueryCommonTree();

// " (Timber)" ... " (Others)" for each of the six shown uses that is yes.
class RecordSet;
QString UseSuffix(const RecordSet &row);
