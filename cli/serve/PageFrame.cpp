#include "base/ApplicationFolder.h"
#include "catalogue/SpeciesLists.h"
#include "cli/serve/WebPages.h"
#include "cli/serve/WebSite.h"

#include <QFile>
#include <QFileInfo>

QString Html(const QString &text) { return text.toHtmlEscaped(); }

QString WebPageContext::translated(const char *source) const { return data.texts.text(language, source); }

QString WebPageContext::useCaption(const QString &use) const
{
    return data.texts.text(language, use.toUtf8().constData(), "FunctionalUses");
}

QString WebPageContext::link(const QString &path, const QList<QPair<QString, QString>> &query) const
{
    QList<QPair<QString, QString>> all = query;
    if (languageAsked)
        all.append({QStringLiteral("lang"), language});
    QStringList parts;
    for (const auto &[name, value] : all)
        parts << name + QLatin1Char('=') + EncodedPart(value);
    return parts.isEmpty() ? path : path + QLatin1Char('?') + parts.join(QLatin1Char('&'));
}

namespace {

// Links to the same page in every offered language.
QString languageSwitch(const WebPageContext &page)
{
    const QStringList codes = page.data.texts.languages();
    if (codes.size() < 2)
        return {};
    QString path = QStringLiteral("/") + page.target.segments.join(QLatin1Char('/'));
    QStringList links;
    for (const QString &code : codes) {
        QList<QPair<QString, QString>> query;
        for (auto it = page.target.query.begin(); it != page.target.query.end(); ++it)
            if (it.key() != QLatin1String("lang"))
                query.append({it.key(), it.value()});
        query.append({QStringLiteral("lang"), code});
        WebPageContext plain = page;
        plain.languageAsked = false;
        links << QStringLiteral("<a href=\"%1\" lang=\"%2\">%3</a>")
                     .arg(Html(plain.link(path, query)), code, Html(WebTexts::nativeName(code)));
    }
    return QStringLiteral("<nav class=\"languages\">%1</nav>").arg(links.join(QLatin1Char(' ')));
}

} // namespace

HttpResponse HtmlPage(const WebPageContext &page, const QString &title, const QString &body, int status)
{
    const QString nav = QStringLiteral("<nav class=\"top\"><a href=\"%1\">Silvaria</a> <a href=\"%2\">%3</a> <a href=\"%4\">%5</a> "
                                       "<a href=\"%6\">%7</a></nav>")
                            .arg(Html(page.link(QStringLiteral("/"))), Html(page.link(QStringLiteral("/search"))),
                                 Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Search"))), Html(page.link(QStringLiteral("/browse"))),
                                 Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Browse"))), Html(page.link(QStringLiteral("/here"))),
                                 Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Here"))));
    const QString html = QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\"><head><meta charset=\"utf-8\">"
                                        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                                        "<title>%2</title><link rel=\"stylesheet\" href=\"/style.css\"></head>\n"
                                        "<body>%3\n<main><h1>%2</h1>\n%4</main>\n%5</body></html>\n")
                             .arg(page.language, Html(title), nav, body, languageSwitch(page));
    return {status, "text/html; charset=utf-8", html.toUtf8(), {{"Cache-Control", "no-cache"}, {"Content-Language", page.language.toLatin1()}}};
}

HttpResponse ErrorPage(const WebPageContext &page, int status, const QString &title, const QString &text)
{
    HttpResponse answer = HtmlPage(page, title, QStringLiteral("<p>%1</p>").arg(Html(text)), status);
    answer.headers = {{"Cache-Control", "no-store"}};
    return answer;
}

QString SpeciesListHtml(const WebPageContext &page, const SpeciesList &list, bool showCurrent)
{
    if (list.rows.isEmpty())
        return QStringLiteral("<p class=\"none\">%1</p>").arg(Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "No names found."))));
    QString html = QStringLiteral("<ul class=\"names\">");
    for (const SpeciesListRow &row : list.rows) {
        const bool other = showCurrent && row.found != row.current;
        html += QStringLiteral("<li><a href=\"%1\">%2</a>%3%4</li>")
                    .arg(Html(page.link(QStringLiteral("/species/") + row.spId)), Html(row.found),
                         other ? QStringLiteral(" <span class=\"current\">%1</span>").arg(Html(row.current)) : QString(),
                         row.language.isEmpty() ? QString() : QStringLiteral(" <span class=\"lang\">(%1)</span>").arg(Html(row.language)));
    }
    return html + QStringLiteral("</ul>");
}

HttpResponse HomePage(const WebPageContext &page)
{
    const QString body =
        QStringLiteral("<p>%1</p><form action=\"/search\" method=\"get\" class=\"search\"><input type=\"search\" name=\"q\" "
                       "aria-label=\"%2\"><button>%2</button></form><ul class=\"menu\"><li><a href=\"%3\">%4</a></li>"
                       "<li><a href=\"%5\">%6</a></li><li><a href=\"%7\">%8</a></li></ul>")
            .arg(Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Agroforestry tree species of South-East Asia: fact sheets, photographs and suitability maps."))),
                 Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Search"))), Html(page.link(QStringLiteral("/browse"))),
                 Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Browse by genus, language and use"))), Html(page.link(QStringLiteral("/here"))),
                 Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Species suitable at a place"))), Html(page.link(QStringLiteral("/search"))),
                 Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Search by botanic or common name"))));
    return HtmlPage(page, QStringLiteral("Silvaria"), body);
}

HttpResponse WebFile(const WebPageContext &page, const QString &name)
{
    const QFileInfo file(ApplicationPath(QStringLiteral("\\Web\\") + name));
    QFile in(file.filePath());
    if (file.isSymLink() || !in.open(QIODevice::ReadOnly))
        return ErrorPage(page, 404, page.translated(QT_TRANSLATE_NOOP("WebPages", "Not found")),
                         page.translated(QT_TRANSLATE_NOOP("WebPages", "There is no page at this address.")));
    const QByteArray type = name.endsWith(QLatin1String(".css")) ? "text/css; charset=utf-8" : "text/javascript; charset=utf-8";
    return {200, type, in.readAll(), {{"Cache-Control", "max-age=3600"}}};
}
