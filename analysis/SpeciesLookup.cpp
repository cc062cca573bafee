#include "analysis/SpeciesLookup.h"

#include "catalogue/UnicodeText.h"
#include "catalogue/modDatabase.h"

#include <QMap>
#include <QSet>

namespace {

constexpr int MaxCandidates = 10;

struct NamedSpecies {
    int spId;
    QString name;    // as written
    QString folded;
};

// Current names and synonyms with their species.
QList<NamedSpecies> allNames(QMap<int, QString> &current)
{
    QList<NamedSpecies> names;
    RecordSet species = CatalogueConnection().Open(QStringLiteral("SELECT Species.SpID, Species.SpeciesName FROM Species"));
    for (; !species.isEOF(); species.moveNext()) {
        const int id = species.value(0).toInt();
        current.insert(id, species.text(1));
        names.append({id, species.text(1), FoldedText(species.text(1).simplified())});
    }
    RecordSet synonyms = CatalogueConnection().Open(QStringLiteral("SELECT Synonym.SpID, Synonym.Synonym FROM Synonym"));
    for (; !synonyms.isEOF(); synonyms.moveNext())
        names.append({synonyms.value(0).toInt(), synonyms.text(1), FoldedText(synonyms.text(1).simplified())});
    return names;
}

} // namespace

SpeciesLookup LookUpSpecies(const QString &text)
{
    SpeciesLookup result;
    QMap<int, QString> current;
    const QList<NamedSpecies> names = allNames(current);
    const QString wanted = text.simplified();
    bool isNumber = false;
    const int id = wanted.toInt(&isNumber);
    if (isNumber) {
        if (current.contains(id)) {
            result.found = true;
            result.species = {id, current.value(id)};
        }
        return result;
    }
    const QString folded = FoldedText(wanted);
    QList<int> exact;
    for (const NamedSpecies &n : names)
        if (n.folded == folded && !exact.contains(n.spId))
            exact << n.spId;
    if (exact.size() == 1) {
        result.found = true;
        result.species = {exact.front(), current.value(exact.front())};
        return result;
    }
    result.ambiguous = exact.size() > 1;
    QSet<int> seen;
    for (const NamedSpecies &n : names) {
        if (result.candidates.size() >= MaxCandidates)
            break;
        const bool alike = result.ambiguous ? exact.contains(n.spId) : !folded.isEmpty() && n.folded.contains(folded);
        if (alike && !seen.contains(n.spId)) {
            seen.insert(n.spId);
            result.candidates.append({n.spId, current.value(n.spId)});
        }
    }
    return result;
}
