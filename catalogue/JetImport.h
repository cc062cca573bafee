#pragma once
#include <QByteArray>
#include <QString>

struct sqlite3;

// Reads every user table of an Access/Jet file (Jet 3 or 4) through libmdb into
// the SQLite database `target`, with the same table and column names and types:
// yes/no as 0/1, whole numbers as INTEGER, other numbers as REAL, text, memo and
// dates as TEXT (dates as "YYYY-MM-DD HH:MM:SS"), Null kept where libmdb reports it.
// Text columns use the UNICASE collation so the statements behave as on Jet.
void ImportJetFile(const QString &path, sqlite3 *target); // throws CatalogueError

// A yes/no value as libmdb writes it: empty, "0", "false" and "no" (in any
// case, spaces aside) are no; anything else is yes.
bool JetYes(const QByteArray &text);
