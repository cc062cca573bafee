#pragma once
#include "catalogue/RecordSet.h"

#include <QString>

#include <memory>

struct sqlite3;

enum class CatalogueFormat { SQLite, Jet };

// One open catalogue: a SQLite database, either the file itself or, for an
// Access/Jet file, an in-memory copy of its tables. Read-only.
class Connection {
public:
    // Opens the file at `path`, telling SQLite from Access/Jet by its first bytes.
    // Throws CatalogueError naming the file and the reason when it cannot.
    static std::unique_ptr<Connection> OpenFile(const QString &path);
    // An empty in-memory database with the text rules registered (tools and tests).
    static std::unique_ptr<Connection> OpenInMemory();
    ~Connection();

    // Opens a result set from a statement written in the catalogue's dialect.
    RecordSet Open(const QString &statement, CursorType cursor = CursorType::ForwardOnly);

    sqlite3 *handle() const { return m_db; }
    QString filePath() const { return m_path; }
    CatalogueFormat format() const { return m_format; }
    QString description;

private:
    Connection() = default;
    sqlite3 *m_db = nullptr;
    QString m_path;
    CatalogueFormat m_format = CatalogueFormat::SQLite;
};

// The connection string of the catalogue in `appFolder`, kept as the
// connection's description.
QString CatalogueConnectionString(const QString &appFolder);

// Opens a catalogue file of any path (SQLite or Access), checking it has the
// catalogue's tables; throws CatalogueError naming the file and the reason.
std::unique_ptr<Connection> OpenCatalogueFile(const QString &path);
// Opens <application folder>\Database\dbsilvar.mdb as the process's one catalogue
// connection. Throws CatalogueError when the file is missing, unreadable, empty,
// truncated, not a database or not a catalogue.
void OpenCatalogue();
// Closes the connection; later statements fail until it is opened again.
void CloseCatalogue();
bool CatalogueIsOpen();
// The one open connection; throws CatalogueError when none is open.
Connection &CatalogueConnection();
// Installs an already open connection as the process's catalogue (tests, tools).
void SetCatalogueConnection(std::unique_ptr<Connection> connection);
// Takes the process's catalogue connection away (none is open afterwards);
// nothing when none is open. SetCatalogueConnection puts it back.
std::unique_ptr<Connection> TakeCatalogueConnection();
