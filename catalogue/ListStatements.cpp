#include "catalogue/ListStatements.h"

#include <QCoreApplication>

#include "catalogue/CatalogueError.h"
#include "catalogue/SqlText.h"

namespace {

const QString UseFlags = QStringLiteral("Species.Timber, Species.Fruit, Species.Resin, Species.Fodder, Species.Firewood, Species.Others, ");

} // namespace

QStringList UseNames()
{
    return {QStringLiteral("Timber"),   QStringLiteral("Fruit"),    QStringLiteral("Resin"),
            QStringLiteral("Fodder"),   QStringLiteral("Firewood"), QStringLiteral("Charcoal"),
            QStringLiteral("Bamboo"),   QStringLiteral("Rattan"),   QStringLiteral("Others")};
}

// The use names for the translators; statements and files keep the English ones.
[[maybe_unused]] static const char *const UseTexts[] = {
    QT_TRANSLATE_NOOP("FunctionalUses", "Timber"),   QT_TRANSLATE_NOOP("FunctionalUses", "Fruit"),
    QT_TRANSLATE_NOOP("FunctionalUses", "Resin"),    QT_TRANSLATE_NOOP("FunctionalUses", "Fodder"),
    QT_TRANSLATE_NOOP("FunctionalUses", "Firewood"), QT_TRANSLATE_NOOP("FunctionalUses", "Charcoal"),
    QT_TRANSLATE_NOOP("FunctionalUses", "Bamboo"),   QT_TRANSLATE_NOOP("FunctionalUses", "Rattan"),
    QT_TRANSLATE_NOOP("FunctionalUses", "Others")};

QString UseCaption(const QString &use) { return QCoreApplication::translate("FunctionalUses", use.toUtf8().constData()); }

QStringList UseColumns()
{
    QStringList columns;
    for (const QString &use : UseNames())
        columns << QStringLiteral("Species.") + use;
    return columns;
}

QString SpIdLiteral(const QString &spId)
{
    const QString trimmed = spId.trimmed();
    bool ok = false;
    trimmed.toLongLong(&ok);
    if (!ok)
        throw CatalogueError(QStringLiteral("\"%1\" is not a species identifier.").arg(spId));
    return trimmed;
}

QString BotanicTreeStatement()
{
    return QStringLiteral("SELECT Genus FROM Synonym UNION SELECT Genus From Species ") + QStringLiteral("ORDER BY Genus ASC");
}

QString CommonTreeStatement() { return QStringLiteral("SELECT lang From t_Language ORDER BY lang ASC"); }

QString BotanicListStatement(const QString &genus, int mode)
{
    QString sql = QStringLiteral("SELECT Species.SpID, Species.SpeciesName AS taxa, ") + QStringLiteral("Species.SpeciesName, ")
                + UseFlags + QStringLiteral("Species.Genus FROM Species ");
    if (mode == ListGroup)
        sql += QStringLiteral("WHERE Species.Genus ='") + SqlEscape(genus) + QStringLiteral("' ");
    sql += QStringLiteral("UNION SELECT Species.SpID, Synonym.Synonym AS taxa, ") + QStringLiteral("Species.SpeciesName, ")
         + UseFlags + QStringLiteral("Synonym.Genus ") + QStringLiteral("FROM Species INNER JOIN Synonym ON ")
         + QStringLiteral("Species.SpID = Synonym.SpID ");
    if (mode == ListGroup)
        sql += QStringLiteral("WHERE Synonym.Genus = '") + SqlEscape(genus) + QStringLiteral("' ");
    return sql + QStringLiteral("ORDER BY Species.SpeciesName ASC");
}

QString CommonListStatement(const QString &language, int mode)
{
    QString sql = QStringLiteral("SELECT Vernacular.SpID, Vernacular.Name, t_Language.lang AS ")
                + QStringLiteral("lang, Species.SpeciesName, Species.Genus ")
                + QStringLiteral("FROM Species INNER JOIN (t_Language INNER JOIN Vernacular ")
                + QStringLiteral("ON t_Language.LID = Vernacular.LID) ON Species.SpID = Vernacular.SpID ");
    if (mode == ListGroup)
        sql += QStringLiteral("WHERE t_Language.lang = '") + SqlEscape(language) + QStringLiteral("' ");
    return sql + QStringLiteral("ORDER BY Vernacular.Name ASC");
}

QString UseListStatement(const QString &useColumn)
{
    if (!UseColumns().contains(useColumn))
        throw CatalogueError(QStringLiteral("\"%1\" is not a functional use.").arg(useColumn));
    return QStringLiteral("SELECT Species.SpID, Species.SpeciesName AS taxa, Species.SpeciesName, ")
         + QStringLiteral("Species.Genus, Species.Fruit FROM Species ") + QStringLiteral("WHERE (((") + useColumn
         + QStringLiteral(") = True)) ") + QStringLiteral("UNION SELECT Species.SpID, Synonym.Synonym AS taxa, Species.SpeciesName, ")
         + QStringLiteral("Synonym.Genus, Species.Fruit ") + QStringLiteral("FROM Species INNER JOIN Synonym ON ")
         + QStringLiteral("Species.SpID = Synonym.SpID ") + QStringLiteral("WHERE (((") + useColumn
         + QStringLiteral(") = True)) ") + QStringLiteral("ORDER BY Species.SpeciesName ASC");
}

QString SpeciesByIdStatement(const QString &spId)
{
    const QString id = SpIdLiteral(spId);
    return QStringLiteral("SELECT Species.SpID, Species.SpeciesName AS taxa, ") + QStringLiteral("Species.SpeciesName, ")
         + QStringLiteral("Species.Genus FROM Species ") + QStringLiteral("WHERE Species.SpID = ") + id + QStringLiteral(" ")
         + QStringLiteral("UNION SELECT Species.SpID, Synonym.Synonym AS taxa, ") + QStringLiteral("Species.SpeciesName, ")
         + QStringLiteral("Synonym.Genus ") + QStringLiteral("FROM Species INNER JOIN Synonym ON ")
         + QStringLiteral("Species.SpID = Synonym.SpID ") + QStringLiteral("WHERE Species.SpID = ") + id
         + QStringLiteral(" ") + QStringLiteral("ORDER BY Species.SpeciesName ASC");
}
