#pragma once
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// A request target taken apart: the path's segments and the query's
// parameters, percent-decoded and checked to be UTF-8.
struct WebTarget {
    enum Verdict { Good, Malformed, Escaping, QueryTooLong };
    Verdict verdict = Malformed;
    QStringList segments;           // "/species/1/map.png": species, 1, map.png
    QMap<QString, QString> query;   // the first value of each name

    QString value(const QString &name) const { return query.value(name); }
};

// Reads an origin-form target ("/path?query"). Malformed: not starting with
// "/", a bad percent-encoding, invalid UTF-8 or a control character (NUL
// in the decoded text. Escaping: a "." or ".." segment, a backslash or a
// NUL in the path, encoded or not. QueryTooLong: a query past `queryLimit` bytes.
WebTarget ReadWebTarget(const QByteArray &target, int queryLimit);

// Percent-encodes a text for a path segment or a query value.
QString EncodedPart(const QString &text);
