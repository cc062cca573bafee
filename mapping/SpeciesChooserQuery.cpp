#include "mapping/SpeciesChooserQuery.h"

#include "catalogue/SqlText.h"
#include "catalogue/modDatabase.h"
#include "mapping/Classification.h"

QString SpeciesChooserStatement(const QString &typed)
{
    return QStringLiteral("SELECT Species.SpID, Species.SpeciesName ")
         + QStringLiteral("FROM Species WHERE Species.SpeciesName LIKE '%") + SqlEscape(typed) + QStringLiteral("%'");
}

QList<ChooserRow> QuerySpeciesChooser(const QString &typed)
{
    QList<ChooserRow> rows;
    RecordSet rs = CatalogueConnection().Open(SpeciesChooserStatement(typed));
    const int id = rs.indexOf(QStringLiteral("SpID"));
    const int name = rs.indexOf(QStringLiteral("SpeciesName"));
    for (; !rs.isEOF(); rs.moveNext())
        rows << ChooserRow{rs.text(id), rs.text(name)};
    return rows;
}

QString ChosenRangeText(const QVariant &stored) { return Bound::fromValue(stored).boxText(); }
