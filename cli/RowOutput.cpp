#include "cli/RowOutput.h"

#include "mapping/AttributeColumn.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>


namespace {

QString cellText(const QVariant &v, int decimals)
{
    if (v.isNull())
        return QString();
    if (decimals >= 0)
        return QString::number(v.toDouble(), 'f', decimals);
    if (decimals == ShortestNumber)
        return NumberText::shortest(v.toDouble());
    return v.toString();
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A JSON string literal: QJsonDocument escapes it, inside a one-element array.
QString jsonString(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

int decimalsOf(const Rows &rows, int c) { return c < rows.decimals.size() ? rows.decimals[c] : -1; }

// A JSON array of objects, written by hand so each object keeps the columns' order.
QString jsonRows(const Rows &rows)
{
    const int columns = int(rows.headers.size());
    QStringList objects;
    for (const QVariantList &row : rows.rows) {
        QStringList members;
        for (int c = 0; c < columns && c < row.size(); ++c) {
            const int d = decimalsOf(rows, c);
            QString value = QStringLiteral("null");
            if (!row[c].isNull() && d != -1 && std::isfinite(row[c].toDouble()))
                value = cellText(row[c], d);
            else if (!row[c].isNull() && d == -1)
                value = jsonString(row[c].toString());
            members << QStringLiteral("    ") + jsonString(rows.headers[c]) + QStringLiteral(": ") + value;
        }
        objects << QStringLiteral("  {\n") + members.join(QStringLiteral(",\n")) + QStringLiteral("\n  }");
    }
    return objects.isEmpty() ? QStringLiteral("[]\n")
                             : QStringLiteral("[\n") + objects.join(QStringLiteral(",\n")) + QStringLiteral("\n]\n");
}

// Each cell as text, every row as long as the header.
QList<QStringList> cellTexts(const Rows &rows)
{
    QList<QStringList> texts;
    for (const QVariantList &row : rows.rows) {
        QStringList line;
        for (int c = 0; c < rows.headers.size(); ++c)
            line << (c < row.size() ? cellText(row[c], decimalsOf(rows, c)) : QString());
        texts << line;
    }
    return texts;
}

QString csvRows(const Rows &rows)
{
    QString out;
    for (const QStringList &line : QList<QStringList>{rows.headers} + cellTexts(rows)) {
        QStringList fields;
        for (const QString &t : line)
            fields << csvField(t);
        out += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return out;
}

// Columns as wide as their widest cell, numbers to the right, a rule below the header.
QString tableRows(const Rows &rows)
{
    const int columns = int(rows.headers.size());
    const QList<QStringList> texts = cellTexts(rows);
    QList<qsizetype> width(columns, 0);
    for (int c = 0; c < columns; ++c) {
        width[c] = rows.headers[c].size();
        for (const QStringList &line : texts)
            width[c] = std::max(width[c], line[c].size());
    }
    const auto formatLine = [&](const QStringList &line) {
        QStringList cells;
        for (int c = 0; c < columns; ++c)
            cells << (decimalsOf(rows, c) != -1 ? line[c].rightJustified(width[c]) : line[c].leftJustified(width[c]));
        QString text = cells.join(QStringLiteral("  "));
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        return text + QLatin1Char('\n');
    };
    QString out = formatLine(rows.headers);
    QStringList rule;
    for (int c = 0; c < columns; ++c)
        rule << QString(width[c], QLatin1Char('-'));
    out += rule.join(QStringLiteral("  ")) + QLatin1Char('\n');
    for (const QStringList &line : texts)
        out += formatLine(line);
    return out;
}

} // namespace

QString FormatRows(const Rows &rows, RowFormat format)
{
    switch (format) {
    case RowFormat::Json: return jsonRows(rows);
    case RowFormat::Csv: return csvRows(rows);
    case RowFormat::Table: break;
    }
    return tableRows(rows);
}
