#include "analysis/windows/AnalysisSubject.h"

#include "analysis/SpeciesRangeTable.h"
#include "analysis/SuitabilityClasses.h"
#include "base/Error.h"
#include "catalogue/CurrentSpecies.h"
#include "catalogue/SpeciesId.h"
#include "mapping/SpeciesRanges.h"
#include "mapping/windows/frmMap.h"

#include <QCoreApplication>

namespace {

[[noreturn]] void refuse(const QString &message) { throw Error(message); }

QString speciesName(int spId)
{
    const SpeciesRangeTable table = SpeciesRangeTable::read();
    const SpeciesRangeRow *row = table.find(spId);
    return row ? row->name : QString();
}

} // namespace

AnalysisSubject AnalysisSubject::fromCatalogue(int spId)
{
    const SpeciesRanges stored = ReadSpeciesRanges(QString::number(spId));
    if (!stored.found)
        refuse(QCoreApplication::translate("AnalysisSubject", "No species with the identifier %1 is in the catalogue. "
                                                               "Choose a species in the species list first.")
                   .arg(spId));
    return {spId, speciesName(spId), stored.bounds, QCoreApplication::translate("AnalysisSubject", "the catalogue")};
}

AnalysisSubject AnalysisSubject::forActiveMap()
{
    if (frmMap *map = frmMap::LastActive()) {
        const Bounds bounds = map->boxBounds();
        return {map->SpID, speciesName(map->SpID), bounds, QCoreApplication::translate("AnalysisSubject", "the map window's boxes")};
    }
    const std::optional<int> spId = ParseSpID(CurrentSpID());
    if (!spId)
        refuse(QCoreApplication::translate("AnalysisSubject", "No species is chosen. Choose a species in the species list, or open its map, first."));
    return fromCatalogue(*spId);
}

QString AnalysisSubject::rangeProblem(const GridRanges &ranges) const
{
    Bounds clamped = bounds;
    ClampRanges(clamped, ranges);
    for (int c = 0; c < 3; ++c)
        if (IsAvailable(clamped, Criterion(c), ranges))
            return QString();
    return QCoreApplication::translate("AnalysisSubject", "%1 has no complete range of altitude, rainfall or temperature "
                                                          "(%2), so no land can be matched to it.")
        .arg(name.isEmpty() ? QCoreApplication::translate("AnalysisSubject", "The species") : name, RangesText(clamped));
}

QString AnalysisSubject::description(const GridRanges &ranges) const
{
    Bounds clamped = bounds;
    ClampRanges(clamped, ranges);
    return QCoreApplication::translate("AnalysisSubject", "%1 (SpID %2): %3, from %4").arg(name).arg(spId).arg(RangesText(clamped), rangesFrom);
}
