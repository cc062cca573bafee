#include "catalogue/ListStatements.h"
#include "catalogue/SpeciesLists.h"
#include "cli/serve/WebPages.h"
#include "search/NameSearch.h"

namespace {

QString linkList(const WebPageContext &page, const QString &kind, const QStringList &values, const QStringList &shown)
{
    QString html = QStringLiteral("<ul class=\"groups\">");
    for (qsizetype i = 0; i < values.size(); ++i)
        html += QStringLiteral("<li><a href=\"%1\">%2</a></li>")
                    .arg(Html(page.link(QStringLiteral("/browse/%1/%2").arg(kind, EncodedPart(values[i])))), Html(shown[i]));
    return html + QStringLiteral("</ul>");
}

QStringList useCaptions(const WebPageContext &page)
{
    QStringList shown;
    for (const QString &use : UseNames())
        shown << page.useCaption(use);
    return shown;
}

HttpResponse browseIndex(const WebPageContext &page)
{
    const QStringList genera = QueryBotanicTree();
    const QStringList languages = QueryCommonTree();
    const QString body = QStringLiteral("<h2>%1</h2>%2<h2>%3</h2>%4<h2>%5</h2>%6")
                             .arg(Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Functional uses"))),
                                  linkList(page, QStringLiteral("use"), UseNames(), useCaptions(page)),
                                  Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Common names by language"))),
                                  linkList(page, QStringLiteral("language"), languages, languages),
                                  Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Botanic names by genus"))),
                                  linkList(page, QStringLiteral("genus"), genera, genera));
    return HtmlPage(page, page.translated(QT_TRANSLATE_NOOP("WebPages", "Browse")), body);
}

} // namespace

HttpResponse BrowsePage(const WebPageContext &page)
{
    const QStringList &s = page.target.segments;
    if (s.size() == 1)
        return browseIndex(page);
    const QString kind = s.value(1), value = s.value(2);
    const qsizetype use = UseNames().indexOf(value);
    SpeciesList list;
    QString title = value;
    if (kind == QLatin1String("genus") && QueryBotanicTree().contains(value))
        list = QueryBotanicList(value, ListGroup);
    else if (kind == QLatin1String("language") && QueryCommonTree().contains(value))
        list = QueryCommonList(value, ListGroup);
    else if (kind == QLatin1String("use") && use >= 0) {
        list = QueryUseList(UseColumns().value(use));
        title = page.useCaption(UseNames().value(use));
    } else
        return ErrorPage(page, 404, page.translated(QT_TRANSLATE_NOOP("WebPages", "Not found")),
                         page.translated(QT_TRANSLATE_NOOP("WebPages", "There is no page at this address.")));
    return HtmlPage(page, title, SpeciesListHtml(page, list, true));
}

HttpResponse SearchPage(const WebPageContext &page)
{
    const QString text = page.target.value(QStringLiteral("q")).trimmed();
    QString body = QStringLiteral("<form action=\"/search\" method=\"get\" class=\"search\"><input type=\"search\" name=\"q\" value=\"%1\" "
                                  "aria-label=\"%2\" maxlength=\"200\">%3<button>%2</button></form>")
                       .arg(Html(text), Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Search"))),
                            page.languageAsked ? QStringLiteral("<input type=\"hidden\" name=\"lang\" value=\"%1\">").arg(page.language) : QString());
    if (!text.isEmpty())
        body += QStringLiteral("<h2>%1</h2>%2<h2>%3</h2>%4")
                    .arg(Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Botanic names"))), SpeciesListHtml(page, SearchBotanicNames(text), true),
                         Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Common names"))), SpeciesListHtml(page, SearchCommonNames(text), true));
    return HtmlPage(page, page.translated(QT_TRANSLATE_NOOP("WebPages", "Search")), body);
}
