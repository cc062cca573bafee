#pragma once
#include <QStringList>

struct sqlite3;

// The eleven tables of the catalogue, names and capitalisation as the statements
// use them. Every text column folds case with the UNICASE collation.
QStringList CatalogueTableNames();
QStringList CatalogueSchemaStatements();

// Creates the tables and their indexes in an empty database.
void CreateCatalogueSchema(sqlite3 *db); // throws CatalogueError
