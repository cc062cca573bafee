#include "search/NameSearch.h"

#include "catalogue/modDatabase.h"
#include "search/SearchStatements.h"

namespace {

// Reads the rows of a search: the named result columns become the row's SpID,
// found name, current name, genus and language, in that order ("" for none).
SpeciesList read(SpeciesList list, const QString &statement, const QStringList &columns)
{
    RecordSet rs = CatalogueConnection().Open(statement);
    int at[5];
    for (int i = 0; i < 5; ++i)
        at[i] = i < columns.size() ? rs.indexOf(columns[i]) : -1;
    const auto cell = [&](int i) { return at[i] >= 0 ? rs.text(at[i]) : QString(); };
    for (; !rs.isEOF(); rs.moveNext())
        list.rows << SpeciesListRow{cell(0), cell(1), cell(2), cell(3), cell(4)};
    return list;
}

} // namespace

SpeciesList SearchBotanicNames(const QString &text)
{
    SpeciesList list{{QStringLiteral("Synonym Names"), QStringLiteral("Current Names"), QStringLiteral("Genus"), QString()},
                     {320, 0, 5000, 3000, 3000, 0}, {}, {}};
    return read(list, BotanicSearchStatement(text),
                {QStringLiteral("SpID"), QStringLiteral("taxa"), QStringLiteral("SpeciesName"), QStringLiteral("Genus")});
}

SpeciesList SearchCommonNames(const QString &text)
{
    SpeciesList list{{QStringLiteral("Common Names"), QStringLiteral("Current Names"), QStringLiteral("Genus"), QStringLiteral("Language")},
                     {320, 0, 2500, 2500, 2500, 2500}, {}, {}};
    return read(list, CommonSearchStatement(text),
                {QStringLiteral("SpID"), QStringLiteral("Name"), QStringLiteral("SpeciesName"), QStringLiteral("Genus"),
                 QStringLiteral("lang")});
}
