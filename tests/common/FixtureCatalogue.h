#pragma once
#include <QString>
#include <QTemporaryDir>

#include <memory>

// A small catalogue built by the tests: six species chosen for the edge cases of
// the statements (a synonym-only genus, a species without synonyms, names or
// references, uses only shown by the use tree, a missing family, non-ASCII names).
// `extraSql` runs after the standard rows, to add or change rows for one test.
QString WriteFixtureCatalogue(const QString &path, const QString &extraSql = QString());

// A temporary application folder with Database\dbsilvar.mdb made from the fixture,
// installed as the process's application folder and opened as the catalogue.
class FixtureApplication {
public:
    explicit FixtureApplication(const QString &extraSql = QString());
    ~FixtureApplication();
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

class Connection;

// Runs a statement on the open catalogue (or on `connection`) and returns the
// rows, fields joined by "|", a null field as "<null>".
QStringList QueryRows(const QString &statement);
QStringList QueryRows(Connection &connection, const QString &statement);
