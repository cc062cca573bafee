#include "cli/CliCommand.h"
#include "cli/CliData.h"
#include "cli/Commands.h"
#include "factsheet/FactSheet.h"

#include <QCoreApplication>
#include <QTextDocument>

int RunSheetCommand(const QStringList &arguments)
{
    CommandLine line(QStringLiteral("sheet"), QCoreApplication::translate("SheetCommand", "Prints the fact sheet of a species, as plain text or as HTML with the headings formatted."));
    line.addPositional(QStringLiteral("SPECIES"), QCoreApplication::translate("SheetCommand", "Identifier, current name or synonym."));
    if (!line.parse(arguments))
        return ExitDone;
    const QString name = line.requiredPositional(QStringLiteral("SPECIES"));
    const QString format = line.formatAmong({QStringLiteral("text"), QStringLiteral("html")});
    line.openCatalogue();
    const SpeciesMatch species = ResolveSpecies(name);
    const QString report = BuildFactSheet(QString::number(species.spId));
    if (format == QLatin1String("text")) {
        QString text = report;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        PrintOut(text.endsWith(QLatin1Char('\n')) ? text : text + QLatin1Char('\n'));
        return ExitDone;
    }
    QTextDocument document;
    document.setPlainText(FactSheetDisplayText(report));
    ColorizeFactSheet(&document);
    document.setMetaInformation(QTextDocument::DocumentTitle, species.name);
    PrintOut(document.toHtml());
    return ExitDone;
}
