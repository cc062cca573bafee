#include "analysis/SpeciesRangeTable.h"
#include "cli/CliCommand.h"
#include "cli/Commands.h"
#include "search/NameSearch.h"

#include <QCoreApplication>
#include <QSet>

namespace {

QString useNames(std::uint16_t mask)
{
    QStringList names;
    for (int u = 0; u < UseNames().size(); ++u)
        if (mask & (1u << u))
            names << UseNames()[u];
    return names.join(QStringLiteral(", "));
}

} // namespace

int RunSpeciesCommand(const QStringList &arguments)
{
    CommandLine line(QStringLiteral("species"), QCoreApplication::translate("SpeciesCommand", "Lists the species of the catalogue: every one, those whose botanic or common "
                                    "names contain TEXT, or those of one use."));
    line.addOption({QStringLiteral("search"), QCoreApplication::translate("SpeciesCommand", "Names containing TEXT (case ignored)."), QStringLiteral("TEXT")});
    line.addOption({QStringLiteral("use"), QCoreApplication::translate("SpeciesCommand", "Only species of this use."), QStringLiteral("USE")});
    if (!line.parse(arguments))
        return ExitDone;
    if (!line.positional().isEmpty())
        UsageError(QCoreApplication::translate("SpeciesCommand", "species takes no argument \"%1\"").arg(line.positional().front()));
    const RowFormat format = line.rowFormat();
    const std::uint16_t use = line.isSet(QStringLiteral("use")) ? UseOption(line.value(QStringLiteral("use"))) : 0;
    line.openCatalogue();

    const SpeciesRangeTable table = SpeciesRangeTable::read();
    Rows rows{{QStringLiteral("SpID"), QStringLiteral("Name"), QStringLiteral("Current name"), QStringLiteral("Uses")},
              {0, -1, -1, -1}, {}};
    const auto add = [&](int spId, const QString &found) {
        const SpeciesRangeRow *row = table.find(spId);
        if (!row || (use && !(row->useMask & use)))
            return;
        rows.rows << QVariantList{spId, found, row->name, useNames(row->useMask)};
    };
    if (line.isSet(QStringLiteral("search"))) {
        const QString text = line.value(QStringLiteral("search"));
        QSet<QPair<int, QString>> seen;
        for (const SpeciesList &list : {SearchBotanicNames(text), SearchCommonNames(text)})
            for (const SpeciesListRow &r : list.rows)
                if (!seen.contains({r.spId.toInt(), r.found})) {
                    seen.insert({r.spId.toInt(), r.found});
                    add(r.spId.toInt(), r.found);
                }
    } else {
        for (const SpeciesRangeRow &row : table.rows)
            add(row.spId, row.name);
    }
    PrintOut(FormatRows(rows, format));
    return ExitDone;
}
