#pragma once
#include <QString>

class Connection;

// Writes an open catalogue (SQLite or Access) as plain source files into
// `folder`, in the form catalogue/CatalogueWriter reads: languages.json,
// countries.json and one species/NNN-genus-species.json per species. Building
// the files again gives the same rows, families and references numbered
// alphabetically. The folder must exist; files of the same names are replaced.
// Throws CatalogueError naming the file and the reason.
void ExportCatalogueSources(Connection &catalogue, const QString &folder);
