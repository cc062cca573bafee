#include "mapping/SuitableSpecies.h"

#include "catalogue/SpeciesLists.h"
#include "catalogue/modDatabase.h"

#include <charconv>

QString SingleText(float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, int(result.ptr - buffer));
}

QString SuitableSpeciesStatement(float alt, float mar, float mat)
{
    const QString a = SingleText(alt), r = SingleText(mar), t = SingleText(mat);
    return QStringLiteral("SELECT Species.SpID, Species.SpeciesName, Species.Genus, ")
         + QStringLiteral("Species.MinAltitude, Species.MaxAltitude, ")
         + QStringLiteral("Species.MinRainfall, Species.MaxRainfall, ")
         + QStringLiteral("Species.MinTemperature, Species.MaxTemperature, ")
         + QStringLiteral("Species.Timber, Species.Fruit, Species.Resin, Species.Fodder, Species.Firewood, Species.Others ")
         + QStringLiteral("FROM Species WHERE ") + QStringLiteral("(((Species.MaxAltitude >= ") + a
         + QStringLiteral(") AND (Species.MinAltitude <= ") + a + QStringLiteral(")) AND ")
         + QStringLiteral("((Species.MaxRainfall >= ") + r + QStringLiteral(") AND (Species.MinRainfall <= ") + r
         + QStringLiteral(")) AND ") + QStringLiteral("((Species.MaxTemperature >= ") + t
         + QStringLiteral(") AND (Species.MinTemperature <= ") + t + QStringLiteral(")))");
}

QList<SuitableSpeciesRow> QuerySuitableSpecies(float alt, float mar, float mat)
{
    QList<SuitableSpeciesRow> rows;
    RecordSet rs = CatalogueConnection().Open(SuitableSpeciesStatement(alt, mar, mat));
    const int id = rs.indexOf(QStringLiteral("SpID")), name = rs.indexOf(QStringLiteral("SpeciesName"));
    for (; !rs.isEOF(); rs.moveNext())
        rows << SuitableSpeciesRow{rs.text(id), rs.text(name), UseSuffix(rs)};
    return rows;
}
