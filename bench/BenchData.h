#pragma once
#include <QString>

// Shared inputs of the benchmarks, made once per run into the build folder.

// The bundled sample catalogue.
inline QString SampleCatalogue() { return QStringLiteral(SILVARIA_SOURCE_DIR "/data/Database/dbsilvar.mdb"); }

// The 10,000-species synthetic catalogue (30,000 synonyms, 50,000 common names),
// as an application folder (with Database/dbsilvar.mdb) made on first use.
QString SyntheticApplicationFolder();

// A published Access file, fetched into the build tree on first use, or "".
QString PublishedJetFile();
