#pragma once
#include "catalogue/ListStatements.h"

#include <QString>

// The four species name lists. Each loads the list window if it is not open,
// replaces the rows of its list, paints the alternating rows and makes the
// first row's species the current one (an empty list keeps the current one).
// A list that cannot be read is shown empty, with a message saying why.
void LoadBotanicList(const QString &genus, int mode);
void LoadCommonList(const QString &language, int mode);
void LoadUseList(const QString &useColumn);
void LoadSpeciesById(const QString &spId);
