// libFuzzer target: opening a catalogue file of any bytes. The file is told
// apart by its first bytes and read as SQLite or, through a child process, as
// Access/Jet; anything it cannot read must be a CatalogueError, never a crash.
#include "catalogue/CatalogueError.h"
#include "catalogue/modDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_catalogue";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static const QString path = QDir::temp().filePath(QStringLiteral("silvaria-fuzz-%1.mdb").arg(QCoreApplication::applicationPid()));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    try {
        auto connection = Connection::OpenFile(path);
        // Whatever opened must answer a statement or refuse it with an error.
        RecordSet rs = connection->Open(QStringLiteral("SELECT * FROM Species"));
        for (int rows = 0; !rs.isEOF() && rows < 1000; ++rows)
            rs.moveNext();
    } catch (const CatalogueError &) {
    }
    return 0;
}
