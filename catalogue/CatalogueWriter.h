#pragma once
#include <QString>

// Builds the sample catalogue from its readable sources (sourceDir holds
// languages.json, countries.json and species/*.json) into a SQLite file at
// `outFile`. The file is written beside the target and renamed into place, so a
// failure never leaves a half-written catalogue. Throws CatalogueError.
void WriteCatalogueFromSources(const QString &sourceDir, const QString &outFile);

// Writes an empty catalogue (the eleven tables) to a new SQLite file; returns
// its handle's owner path. Used by the generators and by test fixtures.
struct sqlite3;
sqlite3 *CreateCatalogueFile(const QString &path); // throws CatalogueError
// Commits, closes and renames `tempPath` to `finalPath`.
void FinishCatalogueFile(sqlite3 *db, const QString &tempPath, const QString &finalPath);
