#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

enum class RowFormat { Table, Csv, Json };

// A number column written in its shortest decimal form (27.5, 1199).
constexpr int ShortestNumber = -2;

// Rows to print: texts and numbers, each number column with its decimals.
struct Rows {
    QStringList headers;
    QList<int> decimals; // per column: -1 text, ShortestNumber, else decimals of a number
    QList<QVariantList> rows;
};

// A table aligned for people (numbers to the right), CSV with a header line
// (RFC 4180 quoting, UTF-8), or a JSON array of objects keyed by header.
QString FormatRows(const Rows &rows, RowFormat format);
