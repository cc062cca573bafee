#pragma once
#include <QColor>
#include <QString>

class ReportList;

// Sorts the list by the clicked column (1-based) in the mode named by `kind`
// ("DATE", "NUMBER", anything else text). The direction flips on every call,
// whatever column is clicked; the sorted flag stays set afterwards.
void SortList(ReportList *list, int column, const QString &kind);

// Paints alternating row backgrounds, the first row in `first`; only when the
// list has at least one row (otherwise its stripes stay as they were).
void PaintAlternatingRows(ReportList *list, const QColor &first, const QColor &second);
