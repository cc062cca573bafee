#include "catalogue/modDatabase.h"
#include "report/SiteFacts.h"

#include <QHash>

namespace {

QString spIdText(int spId) { return QString::number(spId); }

// The common names grouped by language, in the catalogue's language order,
// then the languages asked for moved to the front in their own order.
QList<QPair<QString, QString>> commonNames(int spId, const QStringList &languagesFirst)
{
    RecordSet rs = CatalogueConnection().Open(
        QStringLiteral("SELECT t_Language.lang AS lang, Vernacular.Name FROM Vernacular INNER JOIN t_Language ON "
                       "t_Language.LID = Vernacular.LID WHERE Vernacular.SpID = %1 ORDER BY t_Language.lang, Vernacular.Name")
            .arg(spIdText(spId)));
    QList<QPair<QString, QString>> grouped;
    for (; !rs.isEOF(); rs.moveNext()) {
        const QString lang = rs.text(0), name = rs.text(1).trimmed();
        if (name.isEmpty())
            continue;
        if (!grouped.isEmpty() && grouped.last().first == lang)
            grouped.last().second += QStringLiteral(", ") + name;
        else
            grouped.append({lang, name});
    }
    QList<QPair<QString, QString>> ordered;
    for (const QString &first : languagesFirst)
        for (const auto &entry : std::as_const(grouped))
            if (entry.first.compare(first, Qt::CaseInsensitive) == 0)
                ordered.append(entry);
    for (const auto &entry : std::as_const(grouped))
        if (!ordered.contains(entry))
            ordered.append(entry);
    return ordered;
}

QStringList references(int spId)
{
    RecordSet rs = CatalogueConnection().Open(
        QStringLiteral("SELECT References.Reference FROM [References] INNER JOIN SpRef ON References.RefID = SpRef.RefID "
                       "WHERE SpRef.SpID = %1 ORDER BY References.Reference ASC")
            .arg(spIdText(spId)));
    QStringList list;
    for (; !rs.isEOF(); rs.moveNext())
        if (!rs.text(0).trimmed().isEmpty())
            list << rs.text(0).trimmed();
    return list;
}

} // namespace

SpeciesSheetLines ReadSpeciesSheetLines(int spId, const QStringList &languagesFirst)
{
    SpeciesSheetLines lines;
    RecordSet rs = CatalogueConnection().Open(
        QStringLiteral("SELECT Family.Name, Species.Products, Species.Propagation FROM Family INNER JOIN Species ON "
                       "Family.FID = Species.FID WHERE Species.SpID = %1")
            .arg(spIdText(spId)));
    if (!rs.isEOF()) {
        lines.family = rs.text(0);
        lines.products = rs.text(1).simplified();
        lines.propagation = rs.text(2).simplified();
    }
    rs.close();
    lines.commonNames = commonNames(spId, languagesFirst);
    lines.references = references(spId);
    return lines;
}

QStringList LanguagesOfCountry(const QString &country)
{
    // The catalogue's languages (t_Language) spoken in each country of the
    // region, the national language first.
    static const QHash<QString, QStringList> languages{
        {QStringLiteral("Indonesia"), {QStringLiteral("Indonesian")}},
        {QStringLiteral("Timor-Leste"), {QStringLiteral("Indonesian")}},
        {QStringLiteral("Malaysia"), {QStringLiteral("Malay"), QStringLiteral("Chinese")}},
        {QStringLiteral("Brunei"), {QStringLiteral("Malay")}},
        {QStringLiteral("Singapore"), {QStringLiteral("Malay"), QStringLiteral("Chinese")}},
        {QStringLiteral("Philippines"), {QStringLiteral("Filipino")}},
        {QStringLiteral("Thailand"), {QStringLiteral("Thai")}},
        {QStringLiteral("Vietnam"), {QStringLiteral("Vietnamese")}},
        {QStringLiteral("Cambodia"), {QStringLiteral("Khmer")}},
        {QStringLiteral("Laos"), {QStringLiteral("Lao")}},
        {QStringLiteral("Myanmar"), {QStringLiteral("Burmese")}},
        {QStringLiteral("China"), {QStringLiteral("Chinese")}},
        {QStringLiteral("Taiwan"), {QStringLiteral("Chinese")}},
        {QStringLiteral("Hong Kong"), {QStringLiteral("Chinese")}},
        {QStringLiteral("Macao"), {QStringLiteral("Chinese")}},
        {QStringLiteral("India"), {QStringLiteral("Hindi")}},
    };
    return languages.value(country);
}
