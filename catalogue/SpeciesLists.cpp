#include "catalogue/SpeciesLists.h"

#include "catalogue/CatalogueError.h"
#include "catalogue/ListStatements.h"
#include "catalogue/modDatabase.h"

#include <functional>

namespace {

using RowReader = std::function<SpeciesListRow(const RecordSet &)>;

SpeciesList run(SpeciesList list, const std::function<QString()> &statement, const RowReader &read)
{
    try {
        RecordSet rs = CatalogueConnection().Open(statement());
        for (; !rs.isEOF(); rs.moveNext())
            list.rows << read(rs);
    } catch (const CatalogueError &e) {
        list.rows.clear();
        list.error = e.message();
    }
    return list;
}

SpeciesListRow taxaRow(const RecordSet &rs)
{
    return {rs.text("SpID"), rs.text("taxa"), rs.text("SpeciesName"), rs.text("Genus"), QString()};
}

const QStringList SynonymHeaders{QStringLiteral("Synonym Names"), QStringLiteral("Current Names"), QStringLiteral("Genus"), QString()};

} // namespace

QString UseSuffix(const RecordSet &row)
{
    QString suffix;
    for (const char *use : {"Timber", "Fruit", "Resin", "Fodder", "Firewood", "Others"}) {
        const QString name = QString::fromLatin1(use);
        if (row.isYes(name))
            suffix += QStringLiteral(" (") + name + QLatin1Char(')');
    }
    return suffix;
}

SpeciesList QueryBotanicList(const QString &genus, int mode)
{
    SpeciesList list{{QStringLiteral("Synonym Names"), QStringLiteral("Current Names"), QStringLiteral("Functional Uses"), QString()},
                     {320, 0, 5000, 3000, 3000, 0}, {}, {}};
    return run(list, [&] { return BotanicListStatement(genus, mode); }, [](const RecordSet &rs) {
        return SpeciesListRow{rs.text("SpID"), rs.text("taxa"), rs.text("SpeciesName"), UseSuffix(rs), QString()};
    });
}

SpeciesList QueryCommonList(const QString &language, int mode)
{
    SpeciesList list{{QStringLiteral("Common Names"), QStringLiteral("Current Names"), QStringLiteral("Genus"), QStringLiteral("Language")},
                     {320, 0, 2500, 2500, 2500, 2500}, {}, {}};
    return run(list, [&] { return CommonListStatement(language, mode); }, [](const RecordSet &rs) {
        return SpeciesListRow{rs.text("SpID"), rs.text("Name"), rs.text("SpeciesName"), rs.text("Genus"), rs.text("lang")};
    });
}

SpeciesList QueryUseList(const QString &useColumn)
{
    return run({SynonymHeaders, {320, 0, 5000, 3000, 3000, 0}, {}, {}}, [&] { return UseListStatement(useColumn); }, taxaRow);
}

SpeciesList QuerySpeciesById(const QString &spId)
{
    return run({SynonymHeaders, {320, 0, 5000, 3000, 3000, 0}, {}, {}}, [&] { return SpeciesByIdStatement(spId); }, taxaRow);
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
