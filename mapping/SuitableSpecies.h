#pragma once
#include <QList>
#include <QString>

// Which species suit a grid point: every species whose altitude, rainfall and
// temperature ranges all contain the point's values (both ends inclusive).

// A single-precision value in its shortest decimal form with a period (1250, 26.4).
QString SingleText(float value);

QString SuitableSpeciesStatement(float alt, float mar, float mat);

struct SuitableSpeciesRow {
    QString spId;
    QString name;
    QString uses; // " (Timber) (Fruit)" ... for the six uses shown in lists
};

// Runs the statement on the open catalogue; rows in the catalogue's order.
// Throws CatalogueError when it cannot be run.
QList<SuitableSpeciesRow> QuerySuitableSpecies(float alt, float mar, float mat);
