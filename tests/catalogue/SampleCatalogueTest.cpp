// The bundled sample catalogue: the generator reproduces the committed file.
#include "catalogue/modDatabase.h"
#include "catalogue/CatalogueWriter.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

// Every row of every table, in key order, as text.
QStringList dump(Connection &c)
{
    QStringList out;
    RecordSet tables = c.Open("SELECT name FROM sqlite_master WHERE type IN ('table', 'index') ORDER BY name");
    QStringList names;
    for (; !tables.isEOF(); tables.moveNext())
        names << tables.text("name");
    out << names.join(',');
    RecordSet schema = c.Open("SELECT sql FROM sqlite_master ORDER BY name");
    for (; !schema.isEOF(); schema.moveNext())
        out << schema.text("sql");
    RecordSet tableNames = c.Open("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
    for (; !tableNames.isEOF(); tableNames.moveNext()) {
        RecordSet rows = c.Open(QStringLiteral("SELECT * FROM [%1] ORDER BY rowid").arg(tableNames.text("name")));
        for (; !rows.isEOF(); rows.moveNext()) {
            QStringList fields{tableNames.text("name")};
            for (int i = 0; i < rows.fieldCount(); ++i)
                fields << (rows.value(i).isNull() ? QStringLiteral("<null>") : rows.value(i).toString());
            out << fields.join('|');
        }
    }
    return out;
}

} // namespace

TEST(SampleCatalogue, GeneratorReproducesTheCommittedFile)
{
    QTemporaryDir dir;
    const QString fresh = dir.filePath("dbsilvar.mdb");
    WriteCatalogueFromSources(SILVARIA_SOURCE_DIR "/tools/catalogue/sources", fresh);
    auto committed = Connection::OpenFile(SILVARIA_SOURCE_DIR "/data/Database/dbsilvar.mdb");
    auto generated = Connection::OpenFile(fresh);
    const QStringList a = dump(*committed), b = dump(*generated);
    ASSERT_EQ(a.size(), b.size()) << "rerun make_catalogue and commit data/Database/dbsilvar.mdb";
    for (int i = 0; i < a.size(); ++i)
        ASSERT_EQ(a[i], b[i]) << "first difference at line " << i;
}
