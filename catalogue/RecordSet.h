#pragma once
#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

enum class CursorType { ForwardOnly, Scrollable };

// A read-only result set. Forward-only sets stream rows from the engine;
// scrollable sets hold every row so they can move first, last, next and previous.
// Field values are Null (an invalid QVariant), whole numbers, numbers or text;
// yes/no columns read as the numbers 0 and 1.
class RecordSet {
public:
    RecordSet(sqlite3 *db, const QString &statement, CursorType cursor); // throws CatalogueError
    ~RecordSet();
    RecordSet(RecordSet &&) noexcept;
    RecordSet &operator=(RecordSet &&) noexcept;

    bool isEOF() const;
    bool isBOF() const;
    void moveNext();
    void movePrevious();
    void moveFirst();
    void moveLast();
    void close();

    int fieldCount() const { return int(m_names.size()); }
    QString fieldName(int index) const { return m_names.at(index); }
    bool hasField(const QString &name) const { return indexOf(name) >= 0; }
    // The position of a field (case-insensitive name), or -1; for reading many rows by position.
    int indexOf(const QString &name) const;

    // Fields by name (case-insensitive, as the engine names its columns).
    QVariant value(const QString &name) const;   // throws CatalogueError for an unknown name
    QVariant value(int index) const;
    QString text(int index) const;               // Null reads as ""
    bool isYes(int index) const;
    bool isNull(const QString &name) const { return value(name).isNull(); }
    QString text(const QString &name) const;      // Null reads as ""
    double number(const QString &name) const;     // Null reads as 0
    bool isYes(const QString &name) const;        // true for a non-zero number

private:
    QVariant columnValue(int index) const;
    void step();

    sqlite3_stmt *m_stmt = nullptr;
    QString m_statement;
    std::vector<QString> m_names;
    CursorType m_cursor;
    bool m_atEnd = true;
    // Scrollable sets only.
    std::vector<std::vector<QVariant>> m_rows;
    long m_row = 0;
};
