#pragma once
#include "cli/serve/HttpServer.h"
#include "cli/serve/WebTarget.h"

#include <QLocale>
#include <QString>

#include "mapping/MapExtent.h"

#include <optional>

struct WebData;
struct SpeciesList;

// One request as the pages see it: the data, the query and the language
// the answer is written in.
struct WebPageContext {
    const WebData &data;
    const WebTarget &target;
    QString language;
    bool languageAsked = false; // ?lang= given: links keep it

    QString translated(const char *source) const;
    // A functional use's name as the windows show it in the page's language.
    QString useCaption(const QString &use) const;
    QLocale locale() const { return QLocale(language); }
    // An address of the site with its query, keeping ?lang= when asked.
    QString link(const QString &path, const QList<QPair<QString, QString>> &query = {}) const;
};

// A page of the site: the title, the navigation, the body (already HTML)
// and the language switch.
HttpResponse HtmlPage(const WebPageContext &page, const QString &title, const QString &body, int status = 200);
// A short page for an error, in the visitor's language.
HttpResponse ErrorPage(const WebPageContext &page, int status, const QString &title, const QString &text);
// A name list as links to the species.
QString SpeciesListHtml(const WebPageContext &page, const SpeciesList &list, bool showCurrent);
// HTML-escaped text.
QString Html(const QString &text);

HttpResponse HomePage(const WebPageContext &page);
HttpResponse SearchPage(const WebPageContext &page);
HttpResponse BrowsePage(const WebPageContext &page);
HttpResponse HerePage(const WebPageContext &page);
// The position a query asks about: the named place's (?place=), else
// ?lon= and ?lat=; with the use asked and, when there is none, why.
struct HereQuestion {
    std::optional<MapPoint> at;
    QString typed;      // the place name as typed
    QString place, use, problem;
    QString candidates; // HTML list of places a name may mean
};
HereQuestion ReadHereQuestion(const WebPageContext &page);
// /species/ID, or a name: 303 to its identifier's address.
HttpResponse SpeciesPage(const WebPageContext &page, const QString &idOrName);
// The photograph number `index` of the species, from the SpeciesImage folder.
HttpResponse SpeciesPhoto(const WebPageContext &page, int spId, const QString &index);
// The suitability map picture; ?country= zooms to a country.
QByteArray SpeciesMapPng(const WebPageContext &page, int spId);
// The site report of the position ReadHereQuestion reads, as PDF;
// ?paper=letter for Letter pages.
HttpResponse ReportPdf(const WebPageContext &page);
// style.css and locate.js of the application folder's Web folder.
HttpResponse WebFile(const WebPageContext &page, const QString &name);
