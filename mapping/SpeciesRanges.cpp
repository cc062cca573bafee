#include "mapping/SpeciesRanges.h"

#include "catalogue/CatalogueError.h"
#include "catalogue/ListStatements.h"
#include "catalogue/modDatabase.h"

#include <limits>

SpeciesRanges ReadSpeciesRanges(const QString &spId)
{
    SpeciesRanges ranges;
    qlonglong id = 0;
    try {
        id = SpIdLiteral(spId).toLongLong();
    } catch (const CatalogueError &) {
        return ranges; // not a whole number: no species has it
    }
    // Catalogue identifiers are 32-bit whole numbers; one beyond that names no species.
    if (id < std::numeric_limits<int>::min() || id > std::numeric_limits<int>::max())
        return ranges;
    RecordSet rs = CatalogueConnection().Open(SpeciesRangesStatement(int(id)));
    if (rs.isEOF())
        return ranges;
    ranges.found = true;
    const char *const fields[6] = {"MinAltitude", "MaxAltitude", "MinRainfall", "MaxRainfall", "MinTemperature", "MaxTemperature"};
    for (int i = 0; i < 6; ++i)
        ranges.stored[i] = rs.value(QString::fromLatin1(fields[i]));
    for (int c = 0; c < 3; ++c) {
        ranges.bounds.min[c] = Bound::fromValue(ranges.stored[2 * c]);
        ranges.bounds.max[c] = Bound::fromValue(ranges.stored[2 * c + 1]);
    }
    ranges.invasiveStatus = rs.value(QStringLiteral("InvasiveStatus"));
    return ranges;
}
