#pragma once
#include "catalogue/SpeciesLists.h"

#include <QString>

// The name searches, run on the open catalogue: every species name that contains
// `text` anywhere (case-insensitive in every script), with the headers and widths
// the species list shows them under. Throw CatalogueError when the catalogue
// cannot run the statement.

// Current names and synonyms, ordered by current name: columns "Synonym Names",
// "Current Names", "Genus"; the language column stays hidden and keeps its header.
SpeciesList SearchBotanicNames(const QString &text);
// Common names in every language, ordered by name: columns "Common Names",
// "Current Names", "Genus", "Language".
SpeciesList SearchCommonNames(const QString &text);
