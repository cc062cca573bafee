#include "cli/CliProgram.h"

#include "base/AppIdentity.h"
#include "base/ApplicationFolder.h"
#include "base/Error.h"
#include "base/InterfaceLanguage.h"
#include "catalogue/modDatabase.h"
#include "cli/Commands.h"
#include "mapping/GridDataRanges.h"

#include <QCoreApplication>

#include <exception>
#include <functional>
#include <map>

namespace {

const char *const Help = QT_TRANSLATE_NOOP("CliProgram", R"(Usage: silvaria-cli COMMAND [OPTIONS]

Commands:
  species [--search TEXT] [--use USE]        list species (SpID, name, uses)
  sheet SPECIES [--format text|html]         the fact sheet of a species
  map SPECIES -o FILE                        a suitability map with source stamp
      [--alt MIN,MAX] [--mar MIN,MAX] [--mat MIN,MAX] [--size WxH] [--extent W,S,E,N|PLACE]
  map --all -o FOLDER                        one map picture per species
  at LON,LAT|PLACE [--country CC] [--use USE] [--near-misses]
                                             species suitable at the nearest grid point
  report LON,LAT|PLACE -o FILE.pdf|FILE.html the printable site report of a position
      [--use USE ...] [--paper a4|letter] [--scenario NAME]
  places TEXT [--country CC] [--limit N]     places, districts and provinces by name
  area SPECIES [--by-country [-o FILE.gpkg]] suitable area in km2 per class (and country)
  area SPECIES --by-province [--country CC]  the same per province, for one country or all
  count [--use USE] [--scenario NAME] -o FILE [--points FILE.csv]
                                             species suitable at each grid point
  shift SPECIES --dt DT --dp DP [-o FILE] [--by-country]
                                             full match under a uniform climate shift
  shift SPECIES --scenario NAME [-o FILE] [--by-country]
                                             full match under an installed scenario's climate
  scenarios                                  the installed scenario grids and their sources
  grid build --alt FILE --mar FILE --mat FILE --extent W,S,E,N --step MINUTES -o FOLDER
      [--countries FILE [--name-field FIELD]] [--mat-scale F] [--mat-offset D] [--mar-scale F]
                                             the map grid from your own rasters
  grid fetch worldclim --res 10m|5m|2.5m|30s [--extent W,S,E,N] [--step MINUTES] -o FOLDER
                                             the map grid from WorldClim 2.1 (network)
  grid fetch worldclim --res RES --future GCM SSP PERIOD [-o FOLDER]
                                             a scenario grid from a CMIP6 projection
  catalogue build SOURCES -o FILE            a catalogue from plain files
  catalogue export FILE -o SOURCES           a catalogue (SQLite or Access) as plain files
  catalogue check SOURCES [--images DIR]     every problem of plain files, with file and line
  serve [--listen ADDR:PORT]                 the catalogue, maps and suitable species as web pages
                                             (default 127.0.0.1:8080; 0.0.0.0:8080 for the network)

Common options:
  --format table|csv|json   how rows are printed (default table)
  --app-folder DIR          read the data of another application folder
  --help                    this text, or a command's own (silvaria-cli map --help)
  --version                 the program's version

FILE of map, count and shift is a picture (.png, .bmp), a GeoTIFF of the classes or
counts (.tif) or a GeoPackage of the grid's points (.gpkg); area writes the countries.
SPECIES is an identifier or a current or synonym name (case and accents ignored).
PLACE is the name of a place, district or province of the region ("Chiang Mai"); a name
of several places is refused with a list of them, which --country CC narrows.
USE is one of Timber, Fruit, Resin, Fodder, Firewood, Charcoal, Bamboo, Rattan, Others.
Common options may also come before the command (silvaria-cli --format csv at ...).
A value that begins with "-" goes after "=" (--extent=-10,...) or after "--".
Exit codes: 0 done, 1 usage, 2 data error, 3 output not written.
)");

// Takes --lang CODE (or --lang=CODE) out of the arguments and puts that
// language in effect for the run.
QStringList withLanguageTaken(QStringList arguments)
{
    QString code;
    for (qsizetype i = 0; i < arguments.size() && arguments[i] != QLatin1String("--");) {
        if (arguments[i] == QLatin1String("--lang")) {
            if (i + 1 == arguments.size())
                UsageError(QCoreApplication::translate("CliProgram", "--lang needs a language code"));
            code = arguments[i + 1];
            arguments.remove(i, 2);
        } else if (arguments[i].startsWith(QLatin1String("--lang="))) {
            code = arguments.takeAt(i).mid(7);
        } else {
            ++i;
        }
    }
    if (code.isEmpty())
        return arguments;
    if (!IsInterfaceLanguage(code)) {
        QStringList codes;
        for (const InterfaceLanguage &language : InterfaceLanguages())
            codes << language.code;
        UsageError(QCoreApplication::translate("CliProgram", "--lang is one of %1, not \"%2\"").arg(codes.join(QLatin1Char('|')), code));
    }
    SetApplicationLanguage(code);
    return arguments;
}

// Parses the command and runs it; failures are thrown as CliFailure.
int runCommand(const QStringList &given)
{
    const QStringList arguments = CommonOptionsAfterCommand(withLanguageTaken(given));
    if (arguments.isEmpty())
        UsageError(QCoreApplication::translate("CliProgram", "no command given"));
    const QString first = arguments.front();
    if (first == QLatin1String("--help") || first == QLatin1String("-h") || first == QLatin1String("help")) {
        PrintOut(QCoreApplication::translate("CliProgram", Help));
        return ExitDone;
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        const AppVersion v = ApplicationVersion();
        PrintOut(QCoreApplication::translate("CliProgram", "silvaria-cli %1.%2.%3\n").arg(v.major).arg(v.minor).arg(v.revision));
        return ExitDone;
    }
    static const std::map<QString, std::function<int(const QStringList &)>> commands{
        {QStringLiteral("species"), RunSpeciesCommand}, {QStringLiteral("sheet"), RunSheetCommand},
        {QStringLiteral("map"), RunMapCommand},         {QStringLiteral("at"), RunAtCommand},
        {QStringLiteral("area"), RunAreaCommand},       {QStringLiteral("count"), RunCountCommand},
        {QStringLiteral("shift"), RunShiftCommand},     {QStringLiteral("grid"), RunGridCommand},
        {QStringLiteral("catalogue"), RunCatalogueCommand}, {QStringLiteral("scenarios"), RunScenariosCommand},
        {QStringLiteral("places"), RunPlacesCommand},   {QStringLiteral("serve"), RunServeCommand},
        {QStringLiteral("report"), RunReportCommand}};
    const auto command = commands.find(first);
    if (command == commands.end())
        UsageError(QCoreApplication::translate("CliProgram", "unknown command \"%1\"").arg(first));
    return command->second(arguments.mid(1));
}

// What one run may change in the process: set as a fresh program has it for
// the run, and the caller's given back afterwards.
class FreshProgramState {
public:
    explicit FreshProgramState(const CliStreams &streams)
        : m_folder(ApplicationFolderOverride()), m_language(ApplicationLanguage()), m_catalogue(TakeCatalogueConnection()),
          m_ranges(ActiveGridRanges()),
          m_streams(UseStreams(streams)), m_handler(qInstallMessageHandler(CliMessageHandler))
    {
        SetApplicationFolder(QString());
        SetGridDataRanges(std::nullopt);
    }
    ~FreshProgramState()
    {
        qInstallMessageHandler(m_handler);
        UseStreams(m_streams);
        SetGridDataRanges(m_ranges);
        SetCatalogueConnection(std::move(m_catalogue));
        SetApplicationFolder(m_folder);
        if (ApplicationLanguage() != m_language)
            SetApplicationLanguage(m_language);
    }
    FreshProgramState(const FreshProgramState &) = delete;
    FreshProgramState &operator=(const FreshProgramState &) = delete;

private:
    QString m_folder;
    QString m_language;
    std::unique_ptr<Connection> m_catalogue;
    GridRanges m_ranges;
    const CliStreams &m_streams;
    QtMessageHandler m_handler;
};

} // namespace

int RunCli(const QStringList &arguments, const CliStreams &streams)
{
    const FreshProgramState fresh(streams);
    try {
        return runCommand(arguments);
    } catch (const CliFailure &e) {
        PrintError(QCoreApplication::translate("CliProgram", "silvaria-cli: %1\n").arg(e.message));
        return e.code;
    } catch (const std::exception &e) {
        PrintError(QCoreApplication::translate("CliProgram", "silvaria-cli: %1\n").arg(ErrorText(e)));
        return ExitDataError;
    }
}

void CliMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // Qt's notes on its own set-up: the runtime folder, and a font that has no
    // tables for a script (the text falls back to a font that has).
    if (message.startsWith(QLatin1String("QStandardPaths:")) || message.trimmed().startsWith(QLatin1String("OpenType support missing")))
        return;
    PrintError(qFormatLogMessage(type, context, message) + QLatin1Char('\n'));
}
