#pragma once
#include <QString>
#include <QStringList>

// List modes of the botanic and common-name lists.
enum ListMode { ListAll = 1, ListGroup = 2 };

// The statements of the navigation trees and the species name lists, built from
// their fixed fragments. Text values have embedded quotes doubled; without quotes
// they give exactly the fragment text.
QString BotanicTreeStatement();
QString CommonTreeStatement();
QString BotanicListStatement(const QString &genus, int mode);
QString CommonListStatement(const QString &language, int mode);
// useColumn is one of UseColumns() ("Species.Timber", ...); throws CatalogueError otherwise.
QString UseListStatement(const QString &useColumn);
// spId must be a whole number; throws CatalogueError otherwise.
QString SpeciesByIdStatement(const QString &spId);

// The nine functional uses, in tree order ("Timber" ... "Others").
QStringList UseNames();
// A use's name as the chosen language shows it (the name itself in English).
QString UseCaption(const QString &use);
// "Species." followed by each use name.
QStringList UseColumns();

// A species identifier as it goes into a statement: the whole number, trimmed.
// Anything else is refused, so an identifier can never change a statement.
QString SpIdLiteral(const QString &spId); // throws CatalogueError
