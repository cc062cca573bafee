#pragma once
#include <QString>

// Puts a text value between single quotes for splicing into a statement,
// doubling every embedded quote so the value can never end the literal early.
// A NUL character, which would end the statement text early, is dropped, and
// the text is put in Unicode's composed form (NFC), the form the catalogue stores.
// A value without quotes gives exactly 'value'.
QString SqlQuote(const QString &value);

// The same doubling without the surrounding quotes, for statements whose fixed
// fragments already carry the quotes.
QString SqlEscape(const QString &value);
