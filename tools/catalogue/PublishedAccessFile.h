#pragma once
#include <QString>

// A real Access file for import tests and benchmarks: test/fruit.mdb of the npm
// package mdb 0.1.0, fetched with `npm pack` into `cacheDir` on first use (never
// committed). Returns "" and the reason in `why` when the registry cannot be reached.
QString PublishedAccessFile(const QString &cacheDir, QString *why = nullptr);
