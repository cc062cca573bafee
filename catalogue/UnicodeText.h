#pragma once
#include <QString>

struct sqlite3;

// Case-insensitive text rules for every script, not only ASCII.
// Registers the collation "UNICASE" (used by every text column of the
// catalogue) and replaces LIKE with a matcher that folds case the same way.
void RegisterUnicodeTextRules(sqlite3 *db);

// Three-way comparison behind UNICASE: accents and case are ignored first,
// then case-folded text breaks ties, so "Đinh" equals "đinh" but not "Dinh".
int UnicodeCompare(QStringView a, QStringView b);

// Letters without their accents, case folded: what UnicodeCompare compares first
// ("Đinh" and "dinh" fold alike).
QString FoldedText(QStringView text);

// LIKE with % (any run) and _ (one character), case-insensitive.
bool UnicodeLike(QStringView pattern, QStringView text, char32_t escape = 0);
