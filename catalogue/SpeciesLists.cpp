#include "catalogue/SpeciesLists.h"

#include "catalogue/CatalogueError.h"
#include "catalogue/ListStatements.h"
#include "catalogue/modDatabase.h"

#include <functional>

namespace {

// The positions of the named result columns, found once per statement; a name
// the result lacks reads as an empty cell.
struct Columns {
    Columns(const RecordSet &rs, std::initializer_list<const char *> names)
    {
        for (const char *name : names)
            at << rs.indexOf(QString::fromLatin1(name));
    }
    QString text(const RecordSet &rs, int i) const { return at[i] >= 0 ? rs.text(at[i]) : QString(); }
    bool yes(const RecordSet &rs, int i) const { return at[i] >= 0 && rs.isYes(at[i]); }
    QList<int> at;
};

using RowReader = std::function<SpeciesListRow(const RecordSet &, const Columns &)>;

SpeciesList run(SpeciesList list, const std::function<QString()> &statement,
                std::initializer_list<const char *> names, const RowReader &read)
{
    try {
        RecordSet rs = CatalogueConnection().Open(statement());
        const Columns columns(rs, names);
        for (; !rs.isEOF(); rs.moveNext())
            list.rows << read(rs, columns);
    } catch (const CatalogueError &e) {
        list.rows.clear();
        list.error = e.message();
    }
    return list;
}

const std::initializer_list<const char *> TaxaColumns{"SpID", "taxa", "SpeciesName", "Genus"};

SpeciesListRow taxaRow(const RecordSet &rs, const Columns &c)
{
    return {c.text(rs, 0), c.text(rs, 1), c.text(rs, 2), c.text(rs, 3), QString()};
}

const char *const ShownUses[] = {"Timber", "Fruit", "Resin", "Fodder", "Firewood", "Others"};

QString suffixOf(const bool (&uses)[6])
{
    QString suffix;
    for (int i = 0; i < 6; ++i) {
        if (uses[i])
            suffix += QStringLiteral(" (") + QString::fromLatin1(ShownUses[i]) + QLatin1Char(')');
    }
    return suffix;
}

const QStringList SynonymHeaders{QStringLiteral("Synonym Names"), QStringLiteral("Current Names"), QStringLiteral("Genus"), QString()};

} // namespace

QString UseSuffix(const RecordSet &row)
{
    bool uses[6];
    for (int i = 0; i < 6; ++i)
        uses[i] = row.isYes(QString::fromLatin1(ShownUses[i]));
    return suffixOf(uses);
}

SpeciesList QueryBotanicList(const QString &genus, int mode)
{
    SpeciesList list{{QStringLiteral("Synonym Names"), QStringLiteral("Current Names"), QStringLiteral("Functional Uses"), QString()},
                     {320, 0, 5000, 3000, 3000, 0}, {}, {}};
    return run(list, [&] { return BotanicListStatement(genus, mode); },
               {"SpID", "taxa", "SpeciesName", "Timber", "Fruit", "Resin", "Fodder", "Firewood", "Others"},
               [](const RecordSet &rs, const Columns &c) {
                   const bool uses[6] = {c.yes(rs, 3), c.yes(rs, 4), c.yes(rs, 5), c.yes(rs, 6), c.yes(rs, 7), c.yes(rs, 8)};
                   return SpeciesListRow{c.text(rs, 0), c.text(rs, 1), c.text(rs, 2), suffixOf(uses), QString()};
               });
}

SpeciesList QueryCommonList(const QString &language, int mode)
{
    SpeciesList list{{QStringLiteral("Common Names"), QStringLiteral("Current Names"), QStringLiteral("Genus"), QStringLiteral("Language")},
                     {320, 0, 2500, 2500, 2500, 2500}, {}, {}};
    return run(list, [&] { return CommonListStatement(language, mode); }, {"SpID", "Name", "SpeciesName", "Genus", "lang"},
               [](const RecordSet &rs, const Columns &c) {
                   return SpeciesListRow{c.text(rs, 0), c.text(rs, 1), c.text(rs, 2), c.text(rs, 3), c.text(rs, 4)};
               });
}

SpeciesList QueryUseList(const QString &useColumn)
{
    return run({SynonymHeaders, {320, 0, 5000, 3000, 3000, 0}, {}, {}}, [&] { return UseListStatement(useColumn); }, TaxaColumns, taxaRow);
}

SpeciesList QuerySpeciesById(const QString &spId)
{
    return run({SynonymHeaders, {320, 0, 5000, 3000, 3000, 0}, {}, {}}, [&] { return SpeciesByIdStatement(spId); }, TaxaColumns, taxaRow);
}

namespace {
QStringList firstColumn(const QString &statement, const QString &field)
{
    QStringList values;
    RecordSet rs = CatalogueConnection().Open(statement);
    for (; !rs.isEOF(); rs.moveNext())
        values << rs.text(field);
    return values;
}
} // namespace

QStringList QueryBotanicTree() { return firstColumn(BotanicTreeStatement(), QStringLiteral("Genus")); }

QStringList QueryCommonTree() { return firstColumn(CommonTreeStatement(), QStringLiteral("lang")); }
