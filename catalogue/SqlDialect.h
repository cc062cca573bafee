#pragma once
#include <QString>

// Adapts a statement written for the Jet engine to SQLite, in one place:
// - SELECT DISTINCTROW becomes SELECT DISTINCT;
// - the ORDER BY of a UNION names a result column by its qualified source
//   (ORDER BY Species.SpeciesName), which Jet resolves by column name while SQLite
//   would match the first column with the same expression (an alias such as taxa).
//   The compound is wrapped so the sort uses the named result column.
// - a column qualified by the keyword References gets the brackets SQLite needs;
// Everything else (brackets, = True, nested joins in parentheses) SQLite takes as is.
QString AdaptStatement(const QString &jetStatement);
