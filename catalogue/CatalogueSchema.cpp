#include "catalogue/CatalogueSchema.h"

#include "catalogue/CatalogueError.h"

#include <sqlite3.h>

QStringList CatalogueTableNames()
{
    return {QStringLiteral("Species"),      QStringLiteral("Synonym"), QStringLiteral("Vernacular"),
            QStringLiteral("t_Language"),   QStringLiteral("Family"),  QStringLiteral("Distribution"),
            QStringLiteral("Country"),      QStringLiteral("AddInfo"), QStringLiteral("References"),
            QStringLiteral("SpRef"),        QStringLiteral("Images")};
}

QStringList CatalogueSchemaStatements()
{
    return {
        QStringLiteral(
            "CREATE TABLE Species (SpID INTEGER PRIMARY KEY, SpeciesName TEXT COLLATE UNICASE, "
            "Genus TEXT COLLATE UNICASE, FID INTEGER, Authority TEXT COLLATE UNICASE, "
            "Timber INTEGER, Fruit INTEGER, Resin INTEGER, Fodder INTEGER, Firewood INTEGER, "
            "Charcoal INTEGER, Bamboo INTEGER, Rattan INTEGER, Others INTEGER, "
            "MinAltitude REAL, MaxAltitude REAL, MinRainfall REAL, MaxRainfall REAL, "
            "MinTemperature REAL, MaxTemperature REAL, InvasiveStatus INTEGER, "
            "Botanic TEXT COLLATE UNICASE, Cultivation TEXT COLLATE UNICASE, Habitat TEXT COLLATE UNICASE, "
            "Biophysical TEXT COLLATE UNICASE, Biology TEXT COLLATE UNICASE, Propagation TEXT COLLATE UNICASE, "
            "TreeManagement TEXT COLLATE UNICASE, Germplasm TEXT COLLATE UNICASE, Products TEXT COLLATE UNICASE, "
            "Services TEXT COLLATE UNICASE, Pests TEXT COLLATE UNICASE)"),
        QStringLiteral("CREATE TABLE Synonym (SpID INTEGER, Synonym TEXT COLLATE UNICASE, "
                       "Genus TEXT COLLATE UNICASE, Name TEXT COLLATE UNICASE)"),
        QStringLiteral("CREATE TABLE Vernacular (SpID INTEGER, Name TEXT COLLATE UNICASE, LID INTEGER)"),
        QStringLiteral("CREATE TABLE t_Language (LID INTEGER PRIMARY KEY, lang TEXT COLLATE UNICASE)"),
        QStringLiteral("CREATE TABLE Family (FID INTEGER PRIMARY KEY, Name TEXT COLLATE UNICASE)"),
        QStringLiteral("CREATE TABLE Distribution (DistribID INTEGER PRIMARY KEY, SpID INTEGER, "
                       "Iso TEXT COLLATE UNICASE, Distribution INTEGER)"),
        QStringLiteral("CREATE TABLE Country (Iso TEXT COLLATE UNICASE PRIMARY KEY, Isoname TEXT COLLATE UNICASE)"),
        QStringLiteral("CREATE TABLE AddInfo (SpID INTEGER, Properties TEXT COLLATE UNICASE, "
                       "Trade TEXT COLLATE UNICASE, Yield TEXT COLLATE UNICASE, Genetic TEXT COLLATE UNICASE, "
                       "Prospects TEXT COLLATE UNICASE)"),
        QStringLiteral("CREATE TABLE [References] (RefID INTEGER PRIMARY KEY, Reference TEXT COLLATE UNICASE)"),
        QStringLiteral("CREATE TABLE SpRef (SpID INTEGER, RefID INTEGER)"),
        QStringLiteral("CREATE TABLE Images (SpID INTEGER, Image TEXT COLLATE UNICASE, "
                       "Author TEXT COLLATE UNICASE, Details TEXT COLLATE UNICASE)"),
        // Per-species lookups of the fact sheet, the lists and the photo viewer.
        QStringLiteral("CREATE INDEX SynonymSpID ON Synonym (SpID)"),
        QStringLiteral("CREATE INDEX VernacularSpID ON Vernacular (SpID)"),
        QStringLiteral("CREATE INDEX DistributionSpID ON Distribution (SpID)"),
        QStringLiteral("CREATE INDEX AddInfoSpID ON AddInfo (SpID)"),
        QStringLiteral("CREATE INDEX SpRefSpID ON SpRef (SpID)"),
        QStringLiteral("CREATE INDEX ImagesSpID ON Images (SpID)"),
    };
}

void CreateCatalogueSchema(sqlite3 *db)
{
    for (const QString &statement : CatalogueSchemaStatements()) {
        char *error = nullptr;
        if (sqlite3_exec(db, statement.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
            const QString message = QString::fromUtf8(error ? error : "unknown error");
            sqlite3_free(error);
            throw CatalogueError(QStringLiteral("Cannot create the catalogue tables: %1").arg(message));
        }
    }
}
