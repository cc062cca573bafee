// Import of a real Access file through libmdb, checked table by table against
// mdb-export. The file comes from a registry package fetched into the build tree.
#include "catalogue/CatalogueError.h"
#include "catalogue/JetImport.h"
#include "catalogue/JetImportProcess.h"
#include "catalogue/modDatabase.h"
#include "tools/catalogue/PublishedAccessFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sqlite3.h>
#include <sys/stat.h>

namespace {

QString fruitMdb(QString &why)
{
    return PublishedAccessFile(QStringLiteral(SILVARIA_BINARY_DIR "/cache/npm-mdb"), &why);
}

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// mdb-export's rows, tab-separated and unquoted: the header line, then one line per row.
QList<QStringList> exportedRows(const QString &file, const QString &table)
{
    QList<QStringList> rows;
    for (const QString &line : run("mdb-export", {"-Q", "-d", "\t", file, table}).split('\n', Qt::SkipEmptyParts))
        rows << line.split('\t');
    return rows;
}

} // namespace

TEST(JetImport, EveryTableMatchesMdbExport)
{
    QString why;
    const QString file = fruitMdb(why);
    if (file.isEmpty())
        GTEST_SKIP() << "SKIPPED (registry unreachable): " << why.toStdString();

    auto connection = Connection::OpenFile(file);
    EXPECT_EQ(connection->format(), CatalogueFormat::Jet);
    const QStringList tables = run("mdb-tables", {"-1", file}).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(tables.size(), 5);
    for (const QString &table : tables) {
        SCOPED_TRACE(table.toStdString());
        const QList<QStringList> expected = exportedRows(file, table);
        ASSERT_FALSE(expected.isEmpty());
        RecordSet rs = connection->Open(QStringLiteral("SELECT * FROM [%1] ORDER BY rowid").arg(table));
        QStringList header;
        for (int i = 0; i < rs.fieldCount(); ++i)
            header << rs.fieldName(i);
        EXPECT_EQ(header, expected.first());
        int row = 1;
        for (; !rs.isEOF(); rs.moveNext(), ++row) {
            ASSERT_LT(row, expected.size());
            QStringList values;
            for (int i = 0; i < rs.fieldCount(); ++i)
                values << (rs.value(i).isNull() ? QString() : rs.value(i).toString());
            EXPECT_EQ(values, expected[row]);
        }
        EXPECT_EQ(row, expected.size());
    }
    // Only the user tables are imported, not Access's own.
    QStringList imported;
    for (RecordSet t = connection->Open("SELECT name FROM sqlite_master WHERE type = 'table'"); !t.isEOF(); t.moveNext())
        imported << t.text("name");
    imported.sort();
    QStringList listed = tables;
    listed.sort();
    EXPECT_EQ(imported, listed);
    // Numbers arrive as numbers, so statements compare them numerically.
    RecordSet numbers = connection->Open("SELECT typeof(Fiber) AS t FROM Fruit");
    EXPECT_EQ(numbers.text("t"), "integer");
}

TEST(JetImport, YesNoValuesAsLibmdbWritesThem)
{
    for (const auto &[text, yes] : {std::pair{"1", true}, {"-1", true}, {" Yes ", true}, {"0", false}, {"", false}, {" No", false}, {"FALSE", false}})
        EXPECT_EQ(JetYes(text), yes) << text;
}

TEST(JetImport, AnImportThatHangsIsStoppedWithAMessage)
{
    // Opening a FIFO nobody writes to blocks for ever, as a hanging libmdb would.
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath("stuck.mdb"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    sqlite3 *target = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &target), SQLITE_OK);
    const auto openFiles = [] { return QDir(QStringLiteral("/proc/self/fd")).count(); };
    const auto filesBefore = openFiles();
    QElapsedTimer clock;
    clock.start();
    try {
        ImportJetFileIsolated(QFile::decodeName(fifo), target, 1000);
        ADD_FAILURE() << "the import returned";
    } catch (const CatalogueError &e) {
        EXPECT_TRUE(e.message().contains("did not finish in 1 seconds")) << e.message().toStdString();
    }
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(openFiles(), filesBefore) << "the stopped import leaves no file open";
    sqlite3_close(target);
}
