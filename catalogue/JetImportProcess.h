#pragma once
#include <QString>

struct sqlite3;

// Reads an Access/Jet file into `target` like ImportJetFile, but in a child
// process: libmdb can crash or hang on a damaged file, and then only the child
// ends. Throws CatalogueError with the reason (the import's own message, a
// crash or a time-out); `target` is unchanged then.
void ImportJetFileIsolated(const QString &path, sqlite3 *target, int timeoutMs = 120000);
