#include "catalogue/JetImport.h"

#include "catalogue/CatalogueError.h"

#include <glib.h>
#include <mdbtools.h>
#include <sqlite3.h>

#include <QStringList>

#include <memory>
#include <vector>

namespace {

// Memo fields can be long: bind buffers large enough for any fact-sheet text.
constexpr size_t BindSize = 1 << 20;

enum class Affinity { Integer, Real, Text, Skip };

Affinity affinityOf(int mdbType)
{
    switch (mdbType) {
    case MDB_BOOL:
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
        return Affinity::Integer;
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_MONEY:
    case MDB_NUMERIC:
        return Affinity::Real;
    case MDB_TEXT:
    case MDB_MEMO:
    case MDB_DATETIME:
    case MDB_REPID:
        return Affinity::Text;
    default: // OLE objects, binary and complex columns carry nothing the catalogue reads
        return Affinity::Skip;
    }
}

QString quoteIdentifier(const QString &name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

struct MdbCloser {
    void operator()(MdbHandle *h) const { mdb_close(h); }
};
struct TableFreer {
    void operator()(MdbTableDef *t) const { mdb_free_tabledef(t); }
};

void exec(sqlite3 *db, const QString &sql)
{
    char *error = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : "unknown error");
        sqlite3_free(error);
        throw CatalogueError(QStringLiteral("Cannot copy the Access tables: %1 (%2)").arg(message, sql));
    }
}

struct BoundColumn {
    QString name;
    int mdbType = 0;
    Affinity affinity = Affinity::Skip;
    std::vector<char> buffer;
    int length = 0;
};

void bindValue(sqlite3_stmt *insert, int parameter, const BoundColumn &col)
{
    // libmdb reports Null (and an empty text, which it cannot tell apart) as length 0;
    // a yes/no column is never Null and always has its text.
    if (col.length <= 0 && col.mdbType != MDB_BOOL) {
        sqlite3_bind_null(insert, parameter);
        return;
    }
    const QByteArray text(col.buffer.data(), col.length > 0 ? col.length : int(strlen(col.buffer.data())));
    switch (col.affinity) {
    case Affinity::Integer:
        if (col.mdbType == MDB_BOOL) {
            sqlite3_bind_int(insert, parameter, int(JetYes(text)));
        } else {
            sqlite3_bind_int64(insert, parameter, text.toLongLong());
        }
        break;
    case Affinity::Real:
        sqlite3_bind_double(insert, parameter, text.toDouble());
        break;
    default:
        sqlite3_bind_text(insert, parameter, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        break;
    }
}

void copyTable(MdbCatalogEntry *entry, sqlite3 *target)
{
    std::unique_ptr<MdbTableDef, TableFreer> table(mdb_read_table(entry));
    const QString tableName = QString::fromUtf8(entry->object_name);
    if (!table)
        throw CatalogueError(QStringLiteral("Cannot read the table %1.").arg(tableName));
    mdb_read_columns(table.get());
    mdb_rewind_table(table.get());

    std::vector<BoundColumn> columns(table->num_cols);
    QStringList definitions, names, placeholders;
    for (unsigned i = 0; i < table->num_cols; ++i) {
        auto *mdbColumn = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, i));
        BoundColumn &col = columns[i];
        col.name = QString::fromUtf8(mdbColumn->name);
        col.mdbType = mdbColumn->col_type;
        col.affinity = affinityOf(col.mdbType);
        col.buffer.assign(BindSize, '\0');
        mdb_bind_column(table.get(), int(i) + 1, col.buffer.data(), &col.length);
        const char *type = col.affinity == Affinity::Integer ? "INTEGER"
                         : col.affinity == Affinity::Real    ? "REAL"
                         : col.affinity == Affinity::Text    ? "TEXT COLLATE UNICASE"
                                                             : "BLOB";
        definitions << quoteIdentifier(col.name) + QLatin1Char(' ') + QLatin1String(type);
        names << quoteIdentifier(col.name);
        placeholders << QStringLiteral("?");
    }
    if (columns.empty())
        return;
    exec(target, QStringLiteral("CREATE TABLE %1 (%2)").arg(quoteIdentifier(tableName), definitions.join(", ")));

    const QByteArray insertSql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                     .arg(quoteIdentifier(tableName), names.join(", "), placeholders.join(", "))
                                     .toUtf8();
    sqlite3_stmt *insert = nullptr;
    if (sqlite3_prepare_v2(target, insertSql.constData(), -1, &insert, nullptr) != SQLITE_OK)
        throw CatalogueError(QStringLiteral("Cannot copy the table %1: %2").arg(tableName, sqlite3_errmsg(target)));
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt *)> guard(insert, sqlite3_finalize);

    while (mdb_fetch_row(table.get())) {
        for (size_t i = 0; i < columns.size(); ++i) {
            if (columns[i].affinity == Affinity::Skip)
                sqlite3_bind_null(insert, int(i) + 1);
            else
                bindValue(insert, int(i) + 1, columns[i]);
        }
        if (sqlite3_step(insert) != SQLITE_DONE)
            throw CatalogueError(QStringLiteral("Cannot copy a row of %1: %2").arg(tableName, sqlite3_errmsg(target)));
        sqlite3_reset(insert);
    }
}

} // namespace

void ImportJetFile(const QString &path, sqlite3 *target)
{
    const QByteArray fileName = path.toLocal8Bit();
    std::unique_ptr<MdbHandle, MdbCloser> mdb(mdb_open(fileName.constData(), MDB_NOFLAGS));
    if (!mdb)
        throw CatalogueError(QStringLiteral("%1 cannot be read as an Access database.").arg(path));
    mdb_set_bind_size(mdb.get(), BindSize);
    mdb_set_boolean_fmt_numbers(mdb.get());
    mdb_set_date_fmt(mdb.get(), "%Y-%m-%d %H:%M:%S");
    if (!mdb_read_catalog(mdb.get(), MDB_TABLE))
        throw CatalogueError(QStringLiteral("%1 has no readable table catalogue.").arg(path));

    exec(target, QStringLiteral("BEGIN"));
    try {
        for (unsigned i = 0; i < mdb->num_catalog; ++i) {
            auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(mdb->catalog, i));
            if (entry->object_type != MDB_TABLE || !mdb_is_user_table(entry))
                continue;
            copyTable(entry, target);
        }
        exec(target, QStringLiteral("COMMIT"));
    } catch (...) {
        sqlite3_exec(target, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

bool JetYes(const QByteArray &text)
{
    const QByteArray t = text.trimmed().toLower();
    return !(t.isEmpty() || t == "0" || t == "false" || t == "no");
}
