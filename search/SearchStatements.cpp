#include "search/SearchStatements.h"

#include "catalogue/SqlText.h"

QString BotanicSearchStatement(const QString &text)
{
    const QString t = SqlEscape(text);
    return QStringLiteral("SELECT Species.SpID, Species.SpeciesName AS taxa, Species.SpeciesName, Species.Genus FROM Species "
                          "WHERE Species.SpeciesName LIKE '%")
         + t
         + QStringLiteral("%' UNION SELECT Species.SpID, Synonym.Synonym AS taxa, Species.SpeciesName, Synonym.Genus "
                          "FROM Species INNER JOIN Synonym ON Species.SpID = Synonym.SpID WHERE Synonym.Synonym LIKE '%")
         + t + QStringLiteral("%' ORDER BY Species.SpeciesName ASC");
}

QString CommonSearchStatement(const QString &text)
{
    return QStringLiteral("SELECT Vernacular.SpID, Vernacular.Name, t_Language.lang AS lang, Species.SpeciesName, "
                          "Species.Genus FROM Species INNER JOIN (t_Language INNER JOIN Vernacular ON t_Language.LID = "
                          "Vernacular.LID) ON Species.SpID = Vernacular.SpID WHERE Vernacular.Name LIKE '%")
         + SqlEscape(text) + QStringLiteral("%' ORDER BY Vernacular.Name ASC");
}
