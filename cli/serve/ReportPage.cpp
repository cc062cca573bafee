#include "cli/serve/WebPages.h"
#include "cli/serve/WebSite.h"
#include "report/SiteReport.h"

#include <QBuffer>
#include <QCoreApplication>

namespace {

// The report's texts go through the program's translators and its numbers
// through the default locale: the visitor's are put in while the report is
// made. Requests take their turn, so no other report is made meanwhile.
class VisitorLanguage {
public:
    VisitorLanguage(QTranslator *translator, const QLocale &locale) : m_translator(translator)
    {
        if (m_translator)
            QCoreApplication::installTranslator(m_translator);
        QLocale::setDefault(locale);
    }
    ~VisitorLanguage()
    {
        if (m_translator)
            QCoreApplication::removeTranslator(m_translator);
        QLocale::setDefault(m_locale);
    }
    VisitorLanguage(const VisitorLanguage &) = delete;
    VisitorLanguage &operator=(const VisitorLanguage &) = delete;

private:
    QTranslator *m_translator;
    QLocale m_locale;
};

} // namespace

// The site report of a position as a PDF the browser shows or saves; the
// same report the command line and the windows make.
HttpResponse ReportPdf(const WebPageContext &page)
{
    const HereQuestion q = ReadHereQuestion(page);
    const QString title = page.translated(QT_TRANSLATE_NOOP("WebPages", "Site report"));
    if (!q.at)
        return ErrorPage(page, 400, title,
                         q.problem.isEmpty() ? page.translated(QT_TRANSLATE_NOOP("WebPages", "Give a place, or longitude and latitude."))
                                             : q.problem);
    SiteReportRequest request;
    request.lon = q.at->x;
    request.lat = q.at->y;
    request.place = q.typed.isEmpty() ? QString() : q.place;
    if (!q.use.isEmpty())
        request.uses = {q.use};
    if (page.target.value(QStringLiteral("paper")).compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0)
        request.paper = QPageSize::Letter;
    try {
        const VisitorLanguage language(page.data.texts.translator(page.language), page.locale());
        const SiteReport report = BuildSiteReport(page.data.reportData(), request);
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        WriteSiteReport(report, SiteReportFormat::Pdf, &pdf);
        return {200, "application/pdf", pdf.data(), {{"Content-Disposition", "inline; filename=\"site-report.pdf\""}}};
    } catch (const SiteOutsideGrid &) {
        return ErrorPage(page, 404, title,
                         page.translated(QT_TRANSLATE_NOOP("WebPages", "The map has no grid point with climate data near this position.")));
    } catch (const UnknownUse &e) {
        return ErrorPage(page, 400, title, e.message());
    }
}
