#pragma once
#include <QList>
#include <QString>

// A species named by its identifier or by a current or synonym name, with
// case and accents folded as the name search folds them.
struct SpeciesMatch {
    int spId = 0;
    QString name; // the current name
};
struct SpeciesLookup {
    bool found = false;           // exactly one species
    SpeciesMatch species;
    QList<SpeciesMatch> candidates; // when not found: up to ten names alike (ambiguous or containing the text)
    bool ambiguous = false;       // several species carry the name
};

// Looks the text up in the open catalogue; throws CatalogueError.
SpeciesLookup LookUpSpecies(const QString &text);
