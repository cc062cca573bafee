#pragma once
#include <QColor>
#include <QString>
#include <QTextCursor>

class QTextDocument;
class QTextCursor;

// The fact sheet of one species as one text, lines ending with CR LF, built
// from six queries on the open catalogue. Throws CatalogueError when the
// species has no row (or a query fails), so the caller keeps what it showed.
QString BuildFactSheet(const QString &spId);

// Formats every occurrence of `word` (ignoring letter case) in the document with
// the colour, size, bold and italic given. Works on texts of any length. Returns
// the caret to show: at the end of the text, inserting black, 10 points, plain.
QTextCursor ColorWord(QTextDocument *document, const QString &word, const QColor &color, int pointSize, bool bold, bool italic);

// Formats the headings of a fact sheet: section headings blue bold, sub-headings
// black bold, "- No Data -" italic, all 10 points.
QTextCursor ColorizeFactSheet(QTextDocument *document);

// What a line of the report is: a section heading ("-Species Identity-"),
// a sub-heading ("1. Taxonomy") or text, for other formats than the window's.
enum class FactSheetLine { Section, SubHeading, Text };
FactSheetLine FactSheetLineKind(const QString &line);

// Converts the report's CR LF line ends to the document's paragraph breaks.
QString FactSheetDisplayText(const QString &report);
