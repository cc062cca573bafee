#pragma once
#include "catalogue/ListStatements.h"

#include <QString>

class ReportList;
struct SpeciesList;

// The four species name lists. Each loads the list window if it is not open,
// replaces the rows of its list, paints the alternating rows and makes the
// first row's species the current one (an empty list keeps the current one).
void LoadBotanicList(const QString &genus, int mode);
void LoadCommonList(const QString &language, int mode);
void LoadUseList(const QString &useColumn);
void LoadSpeciesById(const QString &spId);

// Puts a queried list into a report list: rows, headers of columns 3 to 6,
// widths, stripes; returns the first row's species or "".
QString FillSpeciesList(ReportList *list, const SpeciesList &rows);
