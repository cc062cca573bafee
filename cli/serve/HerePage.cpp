#include "analysis/NearMisses.h"
#include "catalogue/ListStatements.h"
#include "cli/PlaceLookup.h"
#include "cli/serve/WebPages.h"
#include "cli/serve/WebSite.h"
#include "places/PlaceSearch.h"

#include <cmath>
#include <optional>

namespace {

std::optional<double> coordinate(const QString &text, double limit)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) && std::abs(value) <= limit ? std::optional<double>(value) : std::nullopt;
}

QString hereLink(const WebPageContext &page, double lon, double lat, const QString &use)
{
    return page.link(QStringLiteral("/here"), {{QStringLiteral("lon"), QString::number(lon, 'f', 4)},
                                               {QStringLiteral("lat"), QString::number(lat, 'f', 4)}, {QStringLiteral("use"), use}});
}

} // namespace

HereQuestion ReadHereQuestion(const WebPageContext &page)
{
    const QString typed = page.target.value(QStringLiteral("place")).trimmed();
    HereQuestion q{std::nullopt, typed, typed, page.target.value(QStringLiteral("use")), {}, {}};
    const QString lonText = page.target.value(QStringLiteral("lon")), latText = page.target.value(QStringLiteral("lat"));
    if (typed.isEmpty() && (!lonText.isEmpty() || !latText.isEmpty())) {
        const auto lon = coordinate(lonText, 360), lat = coordinate(latText, 90);
        if (lon && lat)
            q.at = MapPoint{*lon, *lat};
        else
            q.problem = page.translated(QT_TRANSLATE_NOOP("WebPages", "Longitude and latitude are numbers in degrees, such as 98.98 and 18.79."));
        return q;
    }
    if (q.place.isEmpty())
        return q;
    if (!page.data.places) {
        q.problem = page.translated(QT_TRANSLATE_NOOP("WebPages", "This application folder has no place index; give longitude and latitude."));
        return q;
    }
    const PlaceChoice choice = ChoosePlace(*page.data.places, q.place);
    if (choice.place) {
        const Place p = page.data.places->place(*choice.place);
        q.at = MapPoint{p.lon, p.lat};
        q.place = PlaceLine(p);
        return q;
    }
    if (choice.candidates.empty())
        q.problem = page.translated(QT_TRANSLATE_NOOP("WebPages", "No place has this name."));
    for (const PlaceMatch &m : choice.candidates) {
        const Place p = page.data.places->place(m.place);
        q.candidates += QStringLiteral("<li><a href=\"%1\">%2</a></li>").arg(Html(hereLink(page, p.lon, p.lat, q.use)), Html(PlaceLine(p)));
    }
    return q;
}

namespace {

QString formHtml(const WebPageContext &page, const HereQuestion &q)
{
    QString uses = QStringLiteral("<option value=\"\">%1</option>").arg(Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "All uses"))));
    for (const QString &use : UseNames())
        uses += QStringLiteral("<option value=\"%1\"%2>%3</option>")
                    .arg(use, use == q.use ? QStringLiteral(" selected") : QString(), Html(page.useCaption(use)));
    const bool byPosition = q.at && q.typed.isEmpty();
    const QString lon = byPosition ? QString::number(q.at->x, 'f', 4) : QString();
    const QString lat = byPosition ? QString::number(q.at->y, 'f', 4) : QString();
    return QStringLiteral("<form action=\"/here\" method=\"get\" class=\"here\" id=\"here\">"
                          "<label>%1 <input type=\"text\" name=\"place\" id=\"place\" value=\"%2\" maxlength=\"200\"></label>"
                          "<label>%3 <input type=\"text\" name=\"lon\" id=\"lon\" value=\"%4\" inputmode=\"decimal\"></label>"
                          "<label>%5 <input type=\"text\" name=\"lat\" id=\"lat\" value=\"%6\" inputmode=\"decimal\"></label>"
                          "<label>%7 <select name=\"use\">%8</select></label>%9"
                          "<button type=\"button\" id=\"locate\" hidden>%10</button> <button>%11</button></form>"
                          "<script src=\"/locate.js\"></script>")
        .arg(Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Place"))), Html(q.typed),
             Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Longitude"))), lon, Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Latitude"))), lat,
             Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Use"))), uses,
             page.languageAsked ? QStringLiteral("<input type=\"hidden\" name=\"lang\" value=\"%1\">").arg(page.language) : QString(),
             Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Use my position"))), Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Show species"))));
}

QString answerHtml(const WebPageContext &page, const PointAnswer &answer, const QString &use)
{
    const QLocale locale = page.locale();
    QString html = QStringLiteral("<p class=\"point\">%1</p>")
                       .arg(Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Grid point %1, %2: altitude %3 m, rainfall %4 mm, temperature %5 °C"))
                                     .arg(locale.toString(answer.position.x, 'f', 2), locale.toString(answer.position.y, 'f', 2),
                                          locale.toString(double(answer.values[0])), locale.toString(double(answer.values[1])),
                                          locale.toString(double(answer.values[2])))));
    html += QStringLiteral("<h2>%1</h2><ul class=\"names\" id=\"suitable\">").arg(Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Suitable species"))));
    for (const SpeciesRangeRow *s : answer.suitable)
        html += QStringLiteral("<li><a href=\"%1\">%2</a> <span class=\"uses\">%3</span></li>")
                    .arg(Html(page.link(QStringLiteral("/species/%1").arg(s->spId))), Html(s->name), Html(s->uses.trimmed()));
    html += QStringLiteral("</ul>");
    if (answer.suitable.empty())
        html += QStringLiteral("<p class=\"none\">%1</p>").arg(Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "No species is suitable here."))));
    html += QStringLiteral("<h2>%1</h2><ul class=\"names\">").arg(Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Near misses"))));
    for (const NearMiss &m : answer.nearMisses)
        html += QStringLiteral("<li><a href=\"%1\">%2</a> <span class=\"miss\">%3</span></li>")
                    .arg(Html(page.link(QStringLiteral("/species/%1").arg(m.species->spId))), Html(m.species->name), Html(m.text()));
    html += QStringLiteral("</ul>");
    const QString report = page.link(QStringLiteral("/report.pdf"), {{QStringLiteral("lon"), QString::number(answer.position.x, 'f', 4)},
                                                                    {QStringLiteral("lat"), QString::number(answer.position.y, 'f', 4)},
                                                                    {QStringLiteral("use"), use}});
    return html + QStringLiteral("<p><a href=\"%1\">%2</a></p>").arg(Html(report), Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Site report (PDF)"))));
}

} // namespace

HttpResponse HerePage(const WebPageContext &page)
{
    const HereQuestion q = ReadHereQuestion(page);
    const std::uint16_t useMask = UseFromName(q.use);
    QString body = formHtml(page, q);
    if (!q.problem.isEmpty())
        body += QStringLiteral("<p class=\"problem\">%1</p>").arg(Html(q.problem));
    if (!q.candidates.isEmpty())
        body += QStringLiteral("<p>%1</p><ul class=\"names\">%2</ul>")
                    .arg(Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "This name means several places; choose one:"))), q.candidates);
    if (q.at) {
        if (!q.place.isEmpty())
            body += QStringLiteral("<p class=\"place\">%1</p>").arg(Html(q.place));
        const WebData &data = page.data;
        const PointAnswer answer = AnswerAtPoint(data.species, data.climate, *data.maps.canvas, *q.at, data.reach, useMask);
        bool complete = answer.found;
        for (const float v : answer.values)
            complete = complete && !std::isnan(v);
        body += complete ? answerHtml(page, answer, q.use)
                         : QStringLiteral("<p class=\"problem\">%1</p>").arg(Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "The map has no grid point with climate data near this position."))));
    }
    return HtmlPage(page, page.translated(QT_TRANSLATE_NOOP("WebPages", "Species suitable here")), body);
}
