#pragma once
#include <QString>

// Sort keys that make numbers and dates order correctly as text.

// Replaces "-" by a space and each digit d by 9 - d; other characters stay.
QString InvNumber(const QString &text);

// A number x >= 0 as 30 integer digits, a point and 30 decimals; x < 0 as "&"
// followed by InvNumber of -x in that format, so negatives sort first and larger
// magnitudes before smaller. A text that is no number gives "".
QString NumberSortKey(const QString &text);

// A date and time as "yyyyMMddHHmmss"; a text that is no date gives "".
QString DateSortKey(const QString &text);

enum class SortMode { Text, Number, Date };
// "DATE" selects the date mode, "NUMBER" the number mode (in any case), anything else text.
SortMode SortModeFor(const QString &kind);
