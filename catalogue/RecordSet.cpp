#include "catalogue/RecordSet.h"

#include "catalogue/CatalogueError.h"

#include <sqlite3.h>

namespace {

QString engineMessage(sqlite3 *db, const QString &statement)
{
    return QStringLiteral("The statement could not be run: %1\n%2")
        .arg(QString::fromUtf8(sqlite3_errmsg(db)), statement);
}

} // namespace

RecordSet::RecordSet(sqlite3 *db, const QString &statement, CursorType cursor)
    : m_statement(statement), m_cursor(cursor)
{
    const QByteArray utf8 = statement.toUtf8();
    if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr) != SQLITE_OK) {
        const QString message = engineMessage(db, statement);
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        throw CatalogueError(message);
    }
    const int columns = sqlite3_column_count(m_stmt);
    m_names.reserve(columns);
    for (int i = 0; i < columns; ++i)
        m_names.push_back(QString::fromUtf8(sqlite3_column_name(m_stmt, i)));

    step();
    if (m_cursor == CursorType::Scrollable) {
        while (!m_atEnd) {
            std::vector<QVariant> row;
            row.reserve(columns);
            for (int i = 0; i < columns; ++i)
                row.push_back(columnValue(i));
            m_rows.push_back(std::move(row));
            step();
        }
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        m_row = 0;
        m_atEnd = m_rows.empty();
    }
}

RecordSet::~RecordSet() { close(); }

RecordSet::RecordSet(RecordSet &&other) noexcept { *this = std::move(other); }

RecordSet &RecordSet::operator=(RecordSet &&other) noexcept
{
    if (this != &other) {
        close();
        m_stmt = std::exchange(other.m_stmt, nullptr);
        m_statement = std::move(other.m_statement);
        m_names = std::move(other.m_names);
        m_cursor = other.m_cursor;
        m_atEnd = other.m_atEnd;
        m_rows = std::move(other.m_rows);
        m_row = other.m_row;
    }
    return *this;
}

void RecordSet::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) {
        m_atEnd = false;
        return;
    }
    m_atEnd = true;
    if (rc != SQLITE_DONE)
        throw CatalogueError(engineMessage(sqlite3_db_handle(m_stmt), m_statement));
}

void RecordSet::close()
{
    if (m_stmt)
        sqlite3_finalize(m_stmt);
    m_stmt = nullptr;
    m_rows.clear();
    m_atEnd = true;
}

bool RecordSet::isEOF() const
{
    if (m_cursor == CursorType::Scrollable)
        return m_rows.empty() || m_row >= long(m_rows.size());
    return m_atEnd;
}

bool RecordSet::isBOF() const
{
    return m_cursor == CursorType::Scrollable ? (m_rows.empty() || m_row < 0) : false;
}

void RecordSet::moveNext()
{
    if (m_cursor == CursorType::Scrollable) {
        if (m_row < long(m_rows.size()))
            ++m_row;
        return;
    }
    if (!m_atEnd)
        step();
}

void RecordSet::movePrevious()
{
    if (m_cursor != CursorType::Scrollable)
        throw CatalogueError(QStringLiteral("A forward-only result set cannot move back."));
    if (m_row >= 0)
        --m_row;
}

void RecordSet::moveFirst()
{
    if (m_cursor != CursorType::Scrollable)
        throw CatalogueError(QStringLiteral("A forward-only result set cannot move back."));
    m_row = 0;
}

void RecordSet::moveLast()
{
    if (m_cursor != CursorType::Scrollable)
        throw CatalogueError(QStringLiteral("A forward-only result set cannot move to its end."));
    m_row = long(m_rows.size()) - 1;
}

int RecordSet::indexOf(const QString &name) const
{
    for (size_t i = 0; i < m_names.size(); ++i) {
        if (m_names[i].compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

QVariant RecordSet::columnValue(int index) const
{
    switch (sqlite3_column_type(m_stmt, index)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(m_stmt, index)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, index));
    case SQLITE_NULL:
        return QVariant();
    default: {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, index));
        return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, index)));
    }
    }
}

QVariant RecordSet::value(int index) const
{
    if (isEOF() || isBOF())
        throw CatalogueError(QStringLiteral("No current record: the result set is at its end."));
    if (index < 0 || index >= fieldCount())
        throw CatalogueError(QStringLiteral("No field number %1 in the result set.").arg(index));
    if (m_cursor == CursorType::Scrollable)
        return m_rows[m_row][index];
    return columnValue(index);
}

QVariant RecordSet::value(const QString &name) const
{
    const int index = indexOf(name);
    if (index < 0)
        throw CatalogueError(QStringLiteral("Item cannot be found in the collection: %1").arg(name));
    return value(index);
}

QString RecordSet::text(int index) const
{
    const QVariant v = value(index);
    return v.isNull() ? QString() : v.toString();
}

bool RecordSet::isYes(int index) const
{
    const QVariant v = value(index);
    return !v.isNull() && v.toDouble() != 0.0;
}

QString RecordSet::text(const QString &name) const
{
    const QVariant v = value(name);
    return v.isNull() ? QString() : v.toString();
}

double RecordSet::number(const QString &name) const
{
    const QVariant v = value(name);
    return v.isNull() ? 0.0 : v.toDouble();
}

bool RecordSet::isYes(const QString &name) const
{
    const QVariant v = value(name);
    return !v.isNull() && v.toDouble() != 0.0;
}
