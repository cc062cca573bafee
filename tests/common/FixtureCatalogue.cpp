#include "tests/common/FixtureCatalogue.h"

#include "base/ApplicationFolder.h"
#include "catalogue/CatalogueError.h"
#include "catalogue/modDatabase.h"
#include "catalogue/CatalogueWriter.h"

#include <sqlite3.h>

#include <QDir>

namespace {

const char *const FixtureRows = R"SQL(
INSERT INTO t_Language VALUES (1, 'English'), (2, 'Thai'), (3, 'Vietnamese');
INSERT INTO Family VALUES (1, 'Fabaceae'), (2, 'Lamiaceae'), (3, 'Poaceae'), (4, 'Arecaceae'), (5, 'Bignoniaceae');
INSERT INTO Country VALUES ('AU', 'Australia'), ('ID', 'Indonesia'), ('MY', 'Malaysia'), ('TH', 'Thailand'), ('VN', 'Viet Nam');
INSERT INTO Species (SpID, SpeciesName, Genus, FID, Authority, Timber, Fruit, Resin, Fodder, Firewood, Charcoal, Bamboo, Rattan, Others,
  MinAltitude, MaxAltitude, MinRainfall, MaxRainfall, MinTemperature, MaxTemperature, InvasiveStatus,
  Botanic, Cultivation, Habitat, Biophysical, Biology, Propagation, TreeManagement, Germplasm, Products, Services, Pests) VALUES
 (1, 'Acacia mangium', 'Acacia', 1, 'Willd.', 1, 0, 0, 0, 1, 1, 0, 0, 0, 0, 800, 1000, 4500, 20, 30, 1,
  'A tree to 30 m.', 'Planted since 1966.', 'Lowland rain forest.', 'Altitude 0-800 m.', 'Insect pollinated.',
  'From seed.', 'Thin at 3 years.', 'Seed is orthodox.', 'Pulp and sawn timber.', 'Fixes nitrogen.', 'Heart rot.'),
 (2, 'Tectona grandis', 'Tectona', 2, 'L.f.', 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1000, 1250, 3750, 22, 28, 2,
  'A deciduous tree.', NULL, 'Mixed deciduous forest.', NULL, NULL, 'Stumps.', NULL, NULL, 'Teak timber.', NULL, 'Teak defoliator.'),
 (3, 'Dendrocalamus asper', 'Dendrocalamus', 3, '(Schult.) Backer', 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1500, 1500, 4000, NULL, NULL, 2,
  'A giant clumping bamboo.', NULL, NULL, NULL, NULL, NULL, NULL, NULL, 'Shoots and culms.', NULL, NULL),
 (4, 'Calamus manan', 'Calamus', 4, 'Miq.', 0, 0, 0, 0, 0, 0, 0, 1, 0, 50, 1000, 2000, 4000, NULL, NULL, NULL,
  'A solitary climbing rattan.', NULL, NULL, NULL, NULL, NULL, NULL, NULL, 'Cane.', NULL, NULL),
 (5, 'Markhamia stipulata', 'Markhamia', 5, '(Wall.) Seem.', 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1200, 1200, 2500, 20, 27, 2,
  NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
 (6, 'Orphanus testus', 'Orphanus', 99, NULL, 0, 0, 0, 0, 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL, NULL, NULL, 2,
  NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO Synonym VALUES (1, 'Racosperma mangium', 'Racosperma', 'Racosperma mangium (Willd.) Pedley'),
 (2, 'Tectona theka', 'Tectona', 'Tectona theka Lour.'), (2, 'Jatus grandis', 'Jatus', 'Jatus grandis (L.f.) Kuntze');
INSERT INTO Vernacular VALUES (1, 'mangium', 1), (1, 'keo tai tượng', 3), (2, 'teak', 1), (2, 'สัก', 2),
 (2, 'giá tỵ', 3), (5, 'đinh', 3), (3, 'giant bamboo', 1), (4, 'manau', 1);
INSERT INTO Distribution VALUES (1, 1, 'AU', 1), (2, 1, 'ID', 1), (3, 1, 'MY', 2), (4, 2, 'TH', 1), (5, 2, 'ID', 2), (6, 5, 'VN', 1);
INSERT INTO AddInfo VALUES (1, 'Density 420-480 kg/m3.', 'Traded as pulpwood.', 'MAI 20-30 m3/ha.', NULL, 'Widely planted.');
INSERT INTO [References] VALUES (1, 'Zeta, A. (1990). Teak.'), (2, 'Alpha, B. (1993). Acacia mangium.');
INSERT INTO SpRef VALUES (1, 2), (2, 1), (2, 2);
INSERT INTO Images VALUES (1, 'acacia_mangium_1', 'A. Person', 'Habit'), (1, 'acacia_mangium_2', 'A. Person', 'Pods'),
 (2, 'tectona_grandis_1', 'B. Person', 'Plantation');
)SQL";

} // namespace

QString WriteFixtureCatalogue(const QString &path, const QString &extraSql)
{
    const QString temp = path + QStringLiteral(".part");
    sqlite3 *db = CreateCatalogueFile(temp);
    for (const QString &sql : {QString::fromUtf8(FixtureRows), extraSql}) {
        char *error = nullptr;
        if (!sql.isEmpty() && sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
            const QString message = QString::fromUtf8(error);
            sqlite3_free(error);
            sqlite3_close(db);
            throw CatalogueError(QStringLiteral("fixture: %1").arg(message));
        }
    }
    FinishCatalogueFile(db, temp, path);
    return path;
}

FixtureApplication::FixtureApplication(const QString &extraSql)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("Database"));
    WriteFixtureCatalogue(m_dir.filePath(QStringLiteral("Database/dbsilvar.mdb")), extraSql);
    SetApplicationFolder(m_dir.path());
    OpenCatalogue();
}

FixtureApplication::~FixtureApplication()
{
    CloseCatalogue();
    SetApplicationFolder(QString());
}

QStringList QueryRows(const QString &statement) { return QueryRows(CatalogueConnection(), statement); }

QStringList QueryRows(Connection &connection, const QString &statement)
{
    QStringList rows;
    RecordSet rs = connection.Open(statement);
    while (!rs.isEOF()) {
        QStringList fields;
        for (int i = 0; i < rs.fieldCount(); ++i) {
            const QVariant v = rs.value(i);
            fields << (v.isNull() ? QStringLiteral("<null>") : v.toString());
        }
        rows << fields.join(QLatin1Char('|'));
        rs.moveNext();
    }
    return rows;
}
