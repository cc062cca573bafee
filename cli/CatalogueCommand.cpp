#include "base/ApplicationFolder.h"
#include "base/NotWritten.h"
#include "catalogue/CatalogueCheck.h"
#include "catalogue/CatalogueError.h"
#include "catalogue/CatalogueExport.h"
#include "catalogue/CatalogueWriter.h"
#include "catalogue/modDatabase.h"
#include "cli/CliCommand.h"
#include "cli/CliData.h"
#include "cli/Commands.h"
#include "cli/FolderBuild.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const char *const Help = R"(Usage: silvaria-cli catalogue build SOURCES -o FILE
       silvaria-cli catalogue export FILE -o SOURCES
       silvaria-cli catalogue check SOURCES [--images DIR]

The catalogue in plain files (one JSON file per species; see the manual page
"Using your own data"):
  build   checks SOURCES and writes the catalogue FILE (SQLite; the application
          reads <application folder>/Database/dbsilvar.mdb)
  export  writes any catalogue the program opens (SQLite or Access) as SOURCES
  check   reports every problem of SOURCES as FILE:LINE: problem; photographs
          are looked for in DIR (default: the application folder's SpeciesImage)
)";

QString problemsText(const QList<SourceProblem> &problems)
{
    QString text;
    for (const SourceProblem &p : problems)
        text += p.text() + QLatin1Char('\n');
    return text;
}

void requireSources(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        throw CliFailure(ExitDataError, QCoreApplication::translate("CatalogueCommand", "%1: no such folder of catalogue sources").arg(folder));
}

int checkSources(const CommandLine &line, const QString &input)
{
    requireSources(input);
    if (line.isSet(QStringLiteral("app-folder")))
        SetApplicationFolder(QDir(line.value(QStringLiteral("app-folder"))).absolutePath());
    const QString images = line.isSet(QStringLiteral("images")) ? line.value(QStringLiteral("images"))
                                                                : ApplicationPath(QStringLiteral("\\SpeciesImage"));
    const QList<SourceProblem> problems = CheckCatalogueSources(input, images);
    PrintOut(problemsText(problems));
    if (!problems.isEmpty())
        throw CliFailure(ExitDataError, QCoreApplication::translate("CatalogueCommand", "%1: %n problem(s)", nullptr, int(problems.size())).arg(input));
    PrintOut(QCoreApplication::translate("CatalogueCommand", "%1: no problems\n").arg(input));
    return ExitDone;
}

int buildCatalogue(const QString &input, const QString &output)
{
    requireSources(input);
    const QList<SourceProblem> problems = CheckCatalogueSources(input);
    if (!problems.isEmpty()) {
        PrintError(problemsText(problems));
        throw CliFailure(ExitDataError, QCoreApplication::translate("CatalogueCommand", "%1: %n problem(s); %2 not written", nullptr, int(problems.size())).arg(input, output));
    }
    try {
        WriteCatalogueFromSources(input, output);
    } catch (const CatalogueError &e) {
        throw CliFailure(ExitNotWritten, OldFileKept(e.message()));
    }
    return ExitDone;
}

int exportSources(const QString &input, const QString &output)
{
    std::unique_ptr<Connection> catalogue;
    try {
        catalogue = OpenCatalogueFile(input);
    } catch (const CatalogueError &e) {
        throw CliFailure(ExitDataError, e.message());
    }
    const QDir old(output);
    if (old.exists()) {
        const QStringList entries = old.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        if (!entries.isEmpty() && !old.exists(QStringLiteral("languages.json")))
            throw CliFailure(ExitNotWritten, QCoreApplication::translate("CatalogueCommand", "%1 is not empty and holds no catalogue sources: export into a new folder").arg(output));
        for (const QString &entry : old.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (entry != QLatin1String("species"))
                throw CliFailure(ExitNotWritten, QCoreApplication::translate("CatalogueCommand", "%1 holds the folder %2, which export would not keep: export into a new folder").arg(output, entry));
    }
    FolderBuild folder(output);
    for (const QString &file : old.exists() ? old.entryList(QDir::Files | QDir::Hidden) : QStringList())
        if (file != QLatin1String("languages.json") && file != QLatin1String("countries.json"))
            folder.keepOld(file);
    try {
        ExportCatalogueSources(*catalogue, folder.path());
    } catch (const CatalogueError &e) {
        throw CliFailure(ExitNotWritten, QCoreApplication::translate("CatalogueCommand", "%1 (any old folder is kept)").arg(e.message()));
    }
    folder.commit();
    return ExitDone;
}

} // namespace

int RunCatalogueCommand(const QStringList &arguments)
{
    // Common options given before the command arrive after it: no action then.
    const QString given = arguments.value(0);
    const QString action = given.startsWith(QLatin1String("--")) && given != QLatin1String("--help") ? QString() : given;
    if (action.isEmpty() || action == QLatin1String("--help") || action == QLatin1String("-h")) {
        // Without arguments a usage error, on standard error; asked for, on standard output.
        (action.isEmpty() ? PrintError : PrintOut)(QString::fromUtf8(Help));
        return action.isEmpty() ? ExitUsage : ExitDone;
    }
    if (action != QLatin1String("build") && action != QLatin1String("export") && action != QLatin1String("check"))
        UsageError(QCoreApplication::translate("CatalogueCommand", "catalogue takes build, export or check, not \"%1\"").arg(action));
    CommandLine line(QStringLiteral("catalogue ") + action, QString::fromUtf8(Help).section(QLatin1Char('\n'), 4));
    if (action == QLatin1String("export"))
        line.addPositional(QStringLiteral("FILE"), QCoreApplication::translate("CatalogueCommand", "The catalogue to export (SQLite or Access)."));
    else
        line.addPositional(QStringLiteral("SOURCES"), QCoreApplication::translate("CatalogueCommand", "The folder of plain source files."));
    if (action == QLatin1String("check"))
        line.addOption({QStringLiteral("images"), QCoreApplication::translate("CatalogueCommand", "The folder of the photographs (NAME.jpg)."), QStringLiteral("DIR")});
    else
        AddOutputOption(line, action == QLatin1String("build") ? QCoreApplication::translate("CatalogueCommand", "The catalogue file to write.")
                                                               : QCoreApplication::translate("CatalogueCommand", "The folder of sources to write."));
    if (!line.parse(arguments.mid(1)))
        return ExitDone;
    const QString input = line.requiredPositional(action == QLatin1String("export") ? QCoreApplication::translate("CatalogueCommand", "a catalogue FILE")
                                                                                      : QCoreApplication::translate("CatalogueCommand", "a SOURCES folder"));
    const QString output = action == QLatin1String("check") ? QString() : line.value(QStringLiteral("output"));
    if (action != QLatin1String("check") && output.isEmpty())
        UsageError(QCoreApplication::translate("CatalogueCommand", "catalogue %1 needs -o %2").arg(action, action == QLatin1String("build") ? QCoreApplication::translate("CatalogueCommand", "FILE") : QStringLiteral("SOURCES")));

    if (action == QLatin1String("check"))
        return checkSources(line, input);
    if (action == QLatin1String("build"))
        return buildCatalogue(input, output);
    return exportSources(input, output);
}
