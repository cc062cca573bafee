#pragma once
#include "analysis/SuitableArea.h"

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// An area table as cells for a spreadsheet: a header row (Country, Land km2,
// then "<class> km2" and "<class> %" per class), one row per country, the
// points outside the boundaries when there are any, and the total. Areas in
// whole km², shares in percent with one decimal, written by `locale`: plain
// numbers by default (for CSV and the clipboard), the user's locale with its
// digit grouping ("2,375,085") in windows.
QList<QStringList> AreaTableCells(const AreaTable &table, const QStringList &classes, const QLocale &locale = QLocale::c());

// The same per province (analysis/ProvinceAreas.h): Country, Province, Land
// km2 and the classes' columns; each country's provinces, its points outside
// them and its own row (province empty), then the points outside the
// boundaries and the total unless one country is shown.
struct ProvinceAreaTable;
QList<QStringList> ProvinceTableCells(const ProvinceAreaTable &table, const QStringList &classes, const QLocale &locale = QLocale::c());

// Tab-separated lines, as a spreadsheet pastes them.
QString TabSeparated(const QList<QStringList> &cells);
// Comma-separated UTF-8 lines; a cell holding a comma, quote or line break is
// quoted, its quotes doubled.
QByteArray CommaSeparated(const QList<QStringList> &cells);
