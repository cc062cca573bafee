// libFuzzer target: the fact sheet built from hostile field values. The input
// is split at NUL bytes into the species' text fields; the sheet must build,
// format and contain every heading whatever the values hold.
#include "catalogue/modDatabase.h"
#include "factsheet/FactSheet.h"
#include "catalogue/CatalogueWriter.h"

#include <sqlite3.h>

#include <QDir>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

namespace {

const char *const TextFields[] = {"SpeciesName", "Authority", "Botanic", "Cultivation", "Habitat", "Biophysical",
                                  "Biology", "Propagation", "TreeManagement", "Germplasm", "Products", "Services", "Pests"};

void bindText(sqlite3_stmt *stmt, int index, const QByteArray &value) { sqlite3_bind_text(stmt, index, value.constData(), int(value.size()), SQLITE_TRANSIENT); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 3;
    static char name[] = "fuzz_factsheet", platform[] = "-platform", offscreen[] = "offscreen";
    static char *argv[] = {name, platform, offscreen, nullptr};
    static QGuiApplication app(argc, argv);
    static bool ready = [] {
        const QString path = QDir::temp().filePath(QStringLiteral("silvaria-fuzz-sheet-%1.mdb").arg(QCoreApplication::applicationPid()));
        sqlite3 *db = CreateCatalogueFile(path + ".part");
        sqlite3_exec(db, "INSERT INTO Family VALUES (1, 'Fabaceae'); INSERT INTO t_Language VALUES (1, 'English');"
                         "INSERT INTO Country VALUES ('ID', 'Indonesia');", nullptr, nullptr, nullptr);
        FinishCatalogueFile(db, path + ".part", path);
        std::unique_ptr<Connection> connection = Connection::OpenFile(path);
        // A writable in-memory copy for the fuzzed rows.
        auto memory = Connection::OpenInMemory();
        sqlite3_backup *backup = sqlite3_backup_init(memory->handle(), "main", connection->handle(), "main");
        sqlite3_backup_step(backup, -1);
        sqlite3_backup_finish(backup);
        SetCatalogueConnection(std::move(memory));
        QFile::remove(path);
        return true;
    }();
    (void)ready;
    const QList<QByteArray> values = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\0');
    sqlite3 *db = CatalogueConnection().handle();
    sqlite3_exec(db, "DELETE FROM Species; DELETE FROM Synonym; DELETE FROM Vernacular; DELETE FROM Distribution;"
                     "DELETE FROM AddInfo", nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO Species (SpID, FID, SpeciesName, Authority, Botanic, Cultivation, Habitat, Biophysical, "
                           "Biology, Propagation, TreeManagement, Germplasm, Products, Services, Pests) "
                           "VALUES (1, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)", -1, &insert, nullptr);
    for (int i = 0; i < 13; ++i)
        bindText(insert, i + 1, values.value(i));
    sqlite3_step(insert);
    sqlite3_finalize(insert);
    sqlite3_stmt *more = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO Synonym VALUES (1, ?, 'G', ?); INSERT INTO Vernacular VALUES (1, ?, 1)", -1, &more, nullptr);
    bindText(more, 1, values.value(13));
    bindText(more, 2, values.value(14));
    sqlite3_step(more);
    sqlite3_finalize(more);

    const QString sheet = BuildFactSheet(QStringLiteral("1"));
    for (const char *heading : {"-Species Identity-", "3. Geographic Distribution", "-Bibliography-"})
        if (!sheet.contains(QLatin1String(heading)))
            std::abort();
    QTextDocument doc;
    doc.setPlainText(FactSheetDisplayText(sheet));
    ColorizeFactSheet(&doc);
    return 0;
}
