#pragma once
#include <QString>

// The application folder: the folder of the running program, without a trailing
// separator. Every data file lies under it at a fixed relative path. A link to
// the program (the installed /usr/bin/silvaria) leads to the program's own
// folder: on Linux Qt takes the program's path from /proc/self/exe.
QString ApplicationFolder();

// Points the application at another folder (tests and tools use this); an
// empty folder points it back at the program's own.
void SetApplicationFolder(const QString &folder);
// The folder SetApplicationFolder gave (empty: the program's own folder).
QString ApplicationFolderOverride();

// The application folder followed by a fixed relative path written with "\"
// separators, as the data paths are given ("\Database\dbsilvar.mdb").
QString ApplicationPath(const QString &relativePath);
