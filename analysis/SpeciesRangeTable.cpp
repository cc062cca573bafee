#include "analysis/SpeciesRangeTable.h"

#include "catalogue/ListStatements.h"
#include "catalogue/SpeciesLists.h"
#include "catalogue/modDatabase.h"

#include <limits>

std::uint16_t UseFromName(const QString &name)
{
    const QStringList names = UseNames();
    for (int i = 0; i < names.size(); ++i)
        if (names[i].compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return std::uint16_t(1u << i);
    return 0;
}

namespace {

// A bound as the engine orders it against a number: text above every number.
double engineBound(const QVariant &v, bool &isNumber, bool &isNull)
{
    isNull = v.isNull();
    const int type = v.typeId();
    isNumber = type == QMetaType::Double || type == QMetaType::LongLong || type == QMetaType::Int;
    if (isNumber)
        return v.toDouble();
    return std::numeric_limits<double>::infinity();
}

} // namespace

SpeciesRangeTable SpeciesRangeTable::read()
{
    static const char *const bounds[6] = {"MinAltitude", "MaxAltitude", "MinRainfall",
                                          "MaxRainfall", "MinTemperature", "MaxTemperature"};
    QString statement = QStringLiteral("SELECT Species.SpID, Species.SpeciesName");
    for (const char *b : bounds)
        statement += QStringLiteral(", Species.") + QLatin1String(b);
    const QStringList uses = UseNames();
    for (const QString &use : uses)
        statement += QStringLiteral(", Species.") + use;
    statement += QStringLiteral(" FROM Species");

    SpeciesRangeTable table;
    RecordSet rs = CatalogueConnection().Open(statement);
    for (; !rs.isEOF(); rs.moveNext()) {
        SpeciesRangeRow row;
        row.spId = rs.value(0).toInt();
        row.name = rs.text(1);
        for (int c = 0; c < 3; ++c) {
            bool minNumber, maxNumber, minNull, maxNull;
            row.min[c] = engineBound(rs.value(2 + 2 * c), minNumber, minNull);
            row.max[c] = engineBound(rs.value(3 + 2 * c), maxNumber, maxNull);
            row.hasNull = row.hasNull || minNull || maxNull;
            row.stated[c] = minNumber && maxNumber;
        }
        for (int u = 0; u < uses.size(); ++u)
            if (rs.isYes(8 + u))
                row.useMask |= std::uint16_t(1u << u);
        row.uses = UseSuffix(rs);
        table.rows.push_back(std::move(row));
    }
    return table;
}

const SpeciesRangeRow *SpeciesRangeTable::find(int spId) const
{
    for (const SpeciesRangeRow &row : rows)
        if (row.spId == spId)
            return &row;
    return nullptr;
}
