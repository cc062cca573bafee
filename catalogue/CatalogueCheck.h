#pragma once
#include <QList>
#include <QString>

// One problem of a catalogue's source files: the file, its line (from 1) and
// what is wrong.
struct SourceProblem {
    QString file;
    int line = 1;
    QString message;
    QString text() const { return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message); }
};

// Every problem of the source files in `folder` (the form CatalogueWriter
// reads), in file order: unreadable or malformed files, a species without
// identifier (a whole number from 1 to 2147483647) or name, a range whose
// minimum exceeds its maximum or that lies outside any plausible value, an
// unknown use, language or country, a synonym without a name, a name given
// twice (identifier, country code in any letter case, current name, a synonym
// equal to a current name, a name repeated within a species), and, when
// `imageFolder` is given, a photograph whose file is not there.
QList<SourceProblem> CheckCatalogueSources(const QString &folder, const QString &imageFolder = QString());
