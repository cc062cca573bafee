#include "keys/KeyNameTable.h"

#include <QHash>

namespace {

QHash<QString, int> BuildKeyNameTable()
{
    QHash<QString, int> table{
        {QStringLiteral("BACKSPACE"), 8}, {QStringLiteral("BS"), 8}, {QStringLiteral("BKSP"), 8},
        {QStringLiteral("BREAK"), 19},
        {QStringLiteral("CAPSLOCK"), 20},
        {QStringLiteral("DELETE"), 46}, {QStringLiteral("DEL"), 46},
        {QStringLiteral("DOWN"), 40},
        {QStringLiteral("END"), 35},
        {QStringLiteral("ENTER"), 13}, {QStringLiteral("~"), 13},
        {QStringLiteral("ESC"), 27},
        {QStringLiteral("HELP"), 47},
        {QStringLiteral("HOME"), 36},
        {QStringLiteral("INS"), 45}, {QStringLiteral("INSERT"), 45},
        {QStringLiteral("LEFT"), 37},
        {QStringLiteral("NUMLOCK"), 144},
        {QStringLiteral("PGDN"), 34},
        {QStringLiteral("PGUP"), 33},
        // The print key (42), not the print-screen key (44): scripts rely on it.
        {QStringLiteral("PRTSC"), 42},
        {QStringLiteral("RIGHT"), 39},
        {QStringLiteral("SCROLLLOCK"), 145},
        {QStringLiteral("TAB"), 9},
        {QStringLiteral("UP"), 38},
    };
    for (int n = 1; n <= 16; ++n)
        table.insert(QStringLiteral("F%1").arg(n), 111 + n);
    return table;
}

} // namespace

int LookUpKeyName(const QString &name)
{
    static const QHash<QString, int> table = BuildKeyNameTable();
    return table.value(name.toUpper(), 0);
}
