#include "catalogue/modDatabase.h"

#include "base/ApplicationFolder.h"
#include "catalogue/CatalogueError.h"
#include "catalogue/CatalogueSchema.h"
#include "catalogue/JetImportProcess.h"
#include "catalogue/SqlDialect.h"
#include "catalogue/UnicodeText.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

std::unique_ptr<Connection> &theConnection()
{
    static std::unique_ptr<Connection> connection;
    return connection;
}

QString fileError(const QString &path, const QString &reason)
{
    return QStringLiteral("The catalogue file %1 cannot be opened: %2.").arg(QDir::toNativeSeparators(path), reason);
}

// Reads the first bytes and says which engine the file needs.
CatalogueFormat sniff(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw CatalogueError(fileError(path, QStringLiteral("the file does not exist")), path);
    if (!info.isFile())
        throw CatalogueError(fileError(path, QStringLiteral("it is not a file")), path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CatalogueError(fileError(path, file.errorString()), path);
    const QByteArray head = file.read(32);
    if (head.isEmpty())
        throw CatalogueError(fileError(path, QStringLiteral("the file is empty")), path);
    if (head.startsWith(QByteArray("SQLite format 3\0", 16)))
        return CatalogueFormat::SQLite;
    const QByteArray jetName = head.mid(4, 15);
    if (jetName == "Standard Jet DB" || jetName == "Standard ACE DB") {
        // Jet 3 files use 2 KiB pages, Jet 4 and ACE 4 KiB pages; a file that is not a
        // whole number of pages has been cut short.
        const qint64 page = head.size() > 0x14 && head.at(0x14) == 0 ? 2048 : 4096;
        if (info.size() < 2 * page || info.size() % page != 0)
            throw CatalogueError(fileError(path, QStringLiteral("the file is truncated")), path);
        return CatalogueFormat::Jet;
    }
    throw CatalogueError(fileError(path, QStringLiteral("it is neither an Access nor a SQLite database")), path);
}

// The header of a SQLite file records its size in pages; a shorter file has been cut.
void requireWholeSqliteFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CatalogueError(file.errorString());
    const QByteArray header = file.read(100);
    if (header.size() < 100)
        throw CatalogueError(QStringLiteral("the header is incomplete"));
    const auto u32 = [&](int at) {
        return quint32(quint8(header[at])) << 24 | quint32(quint8(header[at + 1])) << 16
             | quint32(quint8(header[at + 2])) << 8 | quint32(quint8(header[at + 3]));
    };
    const quint32 pageSizeField = quint32(quint8(header[16])) << 8 | quint8(header[17]);
    const qint64 pageSize = pageSizeField == 1 ? 65536 : pageSizeField;
    const bool sizeValid = u32(28) > 0 && u32(24) == u32(92);
    if (sizeValid && file.size() < qint64(u32(28)) * pageSize)
        throw CatalogueError(QStringLiteral("%1 of %2 bytes present").arg(file.size()).arg(qint64(u32(28)) * pageSize));
}

void requireCatalogueTables(Connection &connection, const QString &path)
{
    for (const QString &table : CatalogueTableNames()) {
        sqlite3_stmt *stmt = nullptr;
        const QByteArray sql = "SELECT 1 FROM sqlite_master WHERE type IN ('table', 'view') AND name = ? COLLATE NOCASE";
        sqlite3_prepare_v2(connection.handle(), sql.constData(), -1, &stmt, nullptr);
        const QByteArray name = table.toUtf8();
        sqlite3_bind_text(stmt, 1, name.constData(), -1, SQLITE_TRANSIENT);
        const bool found = sqlite3_step(stmt) == SQLITE_ROW;
        sqlite3_finalize(stmt);
        if (!found)
            throw CatalogueError(fileError(path, QStringLiteral("it is not a Silvaria catalogue (the table %1 is missing)").arg(table)), path);
    }
}

} // namespace

std::unique_ptr<Connection> Connection::OpenInMemory()
{
    std::unique_ptr<Connection> connection(new Connection);
    if (sqlite3_open_v2(":memory:", &connection->m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        throw CatalogueError(QStringLiteral("Cannot create an in-memory database."));
    RegisterUnicodeTextRules(connection->m_db);
    sqlite3_exec(connection->m_db, "PRAGMA temp_store = MEMORY", nullptr, nullptr, nullptr);
    return connection;
}

std::unique_ptr<Connection> Connection::OpenFile(const QString &path)
{
    const CatalogueFormat format = sniff(path);
    std::unique_ptr<Connection> connection;
    if (format == CatalogueFormat::Jet) {
        connection = OpenInMemory();
        try {
            ImportJetFileIsolated(path, connection->m_db);
        } catch (const CatalogueError &e) {
            throw CatalogueError(fileError(path, e.message()), path);
        }
        // The same per-species lookups as the shipped file; a table without SpID is left as it is.
        for (const char *table : {"Synonym", "Vernacular", "Distribution", "AddInfo", "SpRef", "Images"}) {
            const QByteArray sql = QByteArray("CREATE INDEX IF NOT EXISTS \"") + table + "SpID\" ON \"" + table + "\" (SpID)";
            sqlite3_exec(connection->m_db, sql.constData(), nullptr, nullptr, nullptr);
        }
    } else {
        connection.reset(new Connection);
        const QByteArray name = QFile::encodeName(path);
        if (sqlite3_open_v2(name.constData(), &connection->m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            throw CatalogueError(fileError(path, QString::fromUtf8(sqlite3_errmsg(connection->m_db))), path);
        RegisterUnicodeTextRules(connection->m_db);
        // Reading through a memory map and keeping UNION and ORDER BY work in memory
        // halve the time of the largest lists.
        sqlite3_exec(connection->m_db, "PRAGMA mmap_size = 268435456; PRAGMA temp_store = MEMORY", nullptr, nullptr, nullptr);
        // A damaged or cut-short file is found now rather than by a later statement.
        try {
            requireWholeSqliteFile(path);
            RecordSet check(connection->m_db, QStringLiteral("SELECT count(*) AS n FROM sqlite_master"), CursorType::ForwardOnly);
        } catch (const CatalogueError &e) {
            const QString reason = e.message().section(QLatin1Char('\n'), 0, 0);
            throw CatalogueError(fileError(path, QStringLiteral("the file is damaged or truncated (%1)").arg(reason)), path);
        }
    }
    connection->m_path = path;
    connection->m_format = format;
    return connection;
}

Connection::~Connection()
{
    if (m_db)
        sqlite3_close_v2(m_db);
}

RecordSet Connection::Open(const QString &statement, CursorType cursor)
{
    return RecordSet(m_db, AdaptStatement(statement), cursor);
}

QString CatalogueConnectionString(const QString &appFolder)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + appFolder
         + QStringLiteral("\\Database\\dbsilvar.mdb;") + QStringLiteral("Persist Security Info=False");
}

std::unique_ptr<Connection> OpenCatalogueFile(const QString &path)
{
    auto connection = Connection::OpenFile(path);
    requireCatalogueTables(*connection, path);
    return connection;
}

void OpenCatalogue()
{
    auto connection = OpenCatalogueFile(ApplicationPath(QStringLiteral("\\Database\\dbsilvar.mdb")));
    connection->description = CatalogueConnectionString(ApplicationFolder());
    theConnection() = std::move(connection);
}

void CloseCatalogue() { theConnection().reset(); }

bool CatalogueIsOpen() { return theConnection() != nullptr; }

Connection &CatalogueConnection()
{
    if (!theConnection())
        throw CatalogueError(QStringLiteral("The catalogue is not open."));
    return *theConnection();
}

void SetCatalogueConnection(std::unique_ptr<Connection> connection) { theConnection() = std::move(connection); }

std::unique_ptr<Connection> TakeCatalogueConnection() { return std::move(theConnection()); }
