#include "cli/serve/WebSite.h"

#include "analysis/NearMisses.h"
#include "base/ApplicationFolder.h"
#include "base/Error.h"
#include "cli/serve/WebPages.h"

#include <QDeadlineTimer>
#include <QScopeGuard>

std::unique_ptr<WebData> WebData::load()
{
    const QString folder = ApplicationFolder();
    auto data = std::unique_ptr<WebData>(new WebData{folder, MapData::loadApplication(), SpeciesRangeTable::read(), {}, {}, {}, {},
                                                     0, WebTexts(folder + QStringLiteral("/i18n")), {}});
    data->climate = GridClimate::read(*data->maps.canvas->data());
    data->cells = GridCells::of(*data->maps.canvas->data());
    data->countries = CountryAssignment::of(data->maps.canvas->data(), data->maps.boundaries->data());
    try {
        data->places = PlaceIndex::application();
    } catch (const Error &) {
        data->places = nullptr; // "here" then takes positions only
    }
    MapExtent full = data->maps.canvas->extent();
    full.include(data->maps.boundaries->extent());
    data->reach = IdentifyReach(full);
    return data;
}

const SiteReportData &WebData::reportData() const
{
    if (!loadedReport)
        loadedReport = SiteReportData::of(maps);
    return *loadedReport;
}

WebSite::WebSite(std::unique_ptr<WebData> data, HttpLimits limits) : m_data(std::move(data)), m_limits(limits) {}

namespace {

bool isWholeNumber(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value > 0 && text == QString::number(value);
}

// The page a path names; the species pictures are handed to `picture`.
HttpResponse route(const WebPageContext &page, const std::function<HttpResponse(int)> &picture)
{
    const QStringList &s = page.target.segments;
    const QString first = s.value(0);
    if (s.isEmpty())
        return HomePage(page);
    if (s.size() == 1 && (first == QLatin1String("style.css") || first == QLatin1String("locate.js")))
        return WebFile(page, first);
    if (s.size() == 1 && first == QLatin1String("search"))
        return SearchPage(page);
    if (s.size() == 1 && first == QLatin1String("here"))
        return HerePage(page);
    if (s.size() == 1 && first == QLatin1String("report.pdf"))
        return ReportPdf(page);
    if (first == QLatin1String("browse") && s.size() <= 3)
        return BrowsePage(page);
    int spId = 0;
    if (first == QLatin1String("species") && s.size() == 2)
        return SpeciesPage(page, s[1]);
    if (first == QLatin1String("species") && s.size() == 3 && s[2] == QLatin1String("map.png") && isWholeNumber(s[1], spId))
        return picture(spId);
    if (first == QLatin1String("species") && s.size() == 4 && s[2] == QLatin1String("photo") && isWholeNumber(s[1], spId))
        return SpeciesPhoto(page, spId, s[3]);
    return ErrorPage(page, 404, page.translated(QT_TRANSLATE_NOOP("WebPages", "Not found")),
                     page.translated(QT_TRANSLATE_NOOP("WebPages", "There is no page at this address.")));
}

} // namespace

HttpResponse WebSite::answer(const HttpRequest &request)
{
    const WebTarget target = ReadWebTarget(request.target, m_limits.queryBytes);
    const QString asked = target.value(QStringLiteral("lang"));
    const WebPageContext page{*m_data, target, m_data->texts.choose(asked, request.acceptLanguage),
                              m_data->texts.languages().contains(asked)};
    switch (target.verdict) {
    case WebTarget::Good:
        break;
    case WebTarget::QueryTooLong:
        return ErrorPage(page, 414, page.translated(QT_TRANSLATE_NOOP("WebPages", "Address too long")),
                         page.translated(QT_TRANSLATE_NOOP("WebPages", "The address asks too much at once; shorten the search.")));
    case WebTarget::Escaping:
        return ErrorPage(page, 404, page.translated(QT_TRANSLATE_NOOP("WebPages", "Not found")),
                         page.translated(QT_TRANSLATE_NOOP("WebPages", "There is no page at this address.")));
    case WebTarget::Malformed:
        return ErrorPage(page, 400, page.translated(QT_TRANSLATE_NOOP("WebPages", "Bad address")),
                         page.translated(QT_TRANSLATE_NOOP("WebPages", "The address is not written correctly.")));
    }
    // One request at a time reads the catalogue and draws maps.
    if (!m_turn.tryLock(m_limits.workMilliseconds))
        return ErrorPage(page, 503, page.translated(QT_TRANSLATE_NOOP("WebPages", "Busy")),
                         page.translated(QT_TRANSLATE_NOOP("WebPages", "Too many people are reading at once. Try again in a moment.")));
    const auto release = qScopeGuard([this] { m_turn.unlock(); });
    return route(page, [&](int spId) {
        const QString key = QStringLiteral("%1/%2").arg(spId).arg(target.value(QStringLiteral("country")));
        if (!m_pictures.contains(key)) {
            const QByteArray png = SpeciesMapPng(page, spId);
            if (png.isEmpty())
                return ErrorPage(page, 404, page.translated(QT_TRANSLATE_NOOP("WebPages", "Not found")),
                                 page.translated(QT_TRANSLATE_NOOP("WebPages", "There is no such species or country.")));
            m_pictures.insert(key, new QByteArray(png), 1);
        }
        return HttpResponse{200, "image/png", *m_pictures.object(key), {{"Cache-Control", "max-age=3600"}}};
    });
}
