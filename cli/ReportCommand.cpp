#include "base/NotWritten.h"
#include "cli/CliCommand.h"
#include "cli/CliData.h"
#include "cli/Commands.h"
#include "cli/PlaceLookup.h"
#include "report/SiteReport.h"

namespace {

QPageSize::PageSizeId paperOption(const CommandLine &line)
{
    const QString paper = line.value(QStringLiteral("paper")).toLower();
    if (paper.isEmpty() || paper == QLatin1String("a4"))
        return QPageSize::A4;
    if (paper == QLatin1String("letter"))
        return QPageSize::Letter;
    UsageError(QCoreApplication::translate("ReportCommand", "--paper is a4 or letter, not \"%1\"").arg(ShownInput(paper)));
}

// The output's name, checked before any work: .pdf, .html or .htm.
QString outputOption(const CommandLine &line)
{
    const QString output = line.value(QStringLiteral("output"));
    if (output.isEmpty())
        UsageError(QCoreApplication::translate("ReportCommand", "-o FILE is needed: a PDF (.pdf) or an HTML page (.html)"));
    if (!SiteReportFormatOf(output))
        UsageError(QCoreApplication::translate("ReportCommand", "-o takes a PDF (.pdf) or an HTML page (.html), not \"%1\"").arg(ShownInput(output)));
    return output;
}

SiteReportRequest readRequest(const CommandLine &line)
{
    SiteReportRequest request;
    request.uses = line.values(QStringLiteral("use"));
    try {
        SiteReportUses(request.uses);
    } catch (const UnknownUse &e) {
        UsageError(e.message());
    }
    request.paper = paperOption(line);
    request.scenario = line.value(QStringLiteral("scenario"));
    const NamedPosition named = PositionOrPlace(line, line.requiredPositional(QStringLiteral("LON,LAT|PLACE")));
    request.lon = named.position.lon;
    request.lat = named.position.lat;
    request.place = named.place;
    return request;
}

SiteReport buildReport(const SiteReportRequest &request)
{
    try {
        return BuildSiteReport(SiteReportData::loadApplication(), request);
    } catch (const Error &e) {
        throw CliFailure(ExitDataError, e.message());
    }
}

} // namespace

int RunReportCommand(const QStringList &arguments)
{
    CommandLine line(QStringLiteral("report"), QCoreApplication::translate("ReportCommand", "Writes the printable site report of a position: the site, the species suitable "
                                       "there grouped by functional use (names, ranges, a small map, lines of the fact sheet), "
                                       "the near misses, the species count around the site and the references."));
    AddPositionOrPlaceArguments(line, QCoreApplication::translate("ReportCommand", "Position in degrees, west and south negative (report 98.98,18.79), "
                                                                       "or the name of a place, district or province."));
    line.addOption({QStringLiteral("use"), QCoreApplication::translate("ReportCommand", "Only species of this use; repeat for several (default every use)."),
                    QStringLiteral("USE")});
    line.addOption({QStringLiteral("paper"), QCoreApplication::translate("ReportCommand", "Page size: a4 (default) or letter."), QStringLiteral("a4|letter")});
    AddScenarioOption(line, QCoreApplication::translate("ReportCommand", "Reports on an installed scenario's climate (see scenarios) instead of the grid's."));
    AddOutputOption(line, QCoreApplication::translate("ReportCommand", "The file to write: a PDF (.pdf) or an HTML page with its pictures inside (.html)."));
    if (!line.parse(arguments))
        return ExitDone;
    const QString output = outputOption(line);
    line.openCatalogue();
    const SiteReportRequest request = readRequest(line);
    const SiteReport report = buildReport(request);
    try {
        SaveSiteReport(report, output);
    } catch (const Error &e) {
        throw CliFailure(ExitNotWritten, e.message());
    }
    PrintOut(QCoreApplication::translate("ReportCommand", "%1 written (%n pages)\n", nullptr, report.pageCount()).arg(output));
    return ExitDone;
}
