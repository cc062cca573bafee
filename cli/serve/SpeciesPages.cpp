#include "analysis/SuitableArea.h"
#include "analysis/SuitabilityClasses.h"
#include "analysis/SpeciesLookup.h"
#include "cli/CliData.h"
#include "cli/serve/WebPages.h"
#include "cli/serve/WebSite.h"
#include "factsheet/FactSheet.h"
#include "mapping/SpeciesRanges.h"
#include "photos/PhotoAlbum.h"
#include "places/PlaceSearch.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

// The fact sheet's lines as headings and paragraphs.
QString sheetHtml(const QString &report)
{
    QString html;
    for (const QString &line : report.split(QStringLiteral("\r\n"))) {
        switch (FactSheetLineKind(line)) {
        case FactSheetLine::Section:
            html += QStringLiteral("<h2>%1</h2>\n").arg(Html(line));
            break;
        case FactSheetLine::SubHeading:
            html += QStringLiteral("<h3>%1</h3>\n").arg(Html(line));
            break;
        case FactSheetLine::Text:
            if (line == QLatin1String("- No Data -"))
                html += QStringLiteral("<p class=\"none\">%1</p>\n").arg(Html(line));
            else if (!line.isEmpty())
                html += QStringLiteral("<p>%1</p>\n").arg(Html(line));
        }
    }
    return QStringLiteral("<section class=\"sheet\" id=\"sheet\">%1</section>").arg(html);
}

QString photosHtml(const WebPageContext &page, int spId)
{
    PhotoAlbum album(QString::number(spId));
    QString html;
    for (int index = 1; !album.isEmpty(); ++index) {
        const Photo photo = album.current();
        html += QStringLiteral("<figure><img src=\"/species/%1/photo/%2.jpg\" alt=\"%3\"><figcaption>%3 %4</figcaption></figure>")
                    .arg(spId).arg(index).arg(Html(photo.details), Html(photo.author));
        if (!album.MoveNext())
            break;
    }
    return html.isEmpty() ? QString() : QStringLiteral("<h2 id=\"photos\">%1</h2><div class=\"photos\">%2</div>").arg(Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Photographs"))), html);
}

// The country code the place index gives a boundary's country name, else the name.
QString countryKey(const WebData &data, const QString &name)
{
    if (!data.places)
        return name;
    const auto number = FindCountry(*data.places, name);
    return number ? data.places->countryCodes().value(*number) : name;
}

// The area of the full match per country, largest first, and the zoom choice.
QString areaHtml(const WebPageContext &page, int spId, const Bounds &bounds)
{
    const WebData &data = page.data;
    const auto points = ClassPoints(*data.maps.canvas, bounds, data.maps.ranges);
    const AreaTable table = SumAreas({&points[ClassFullMatch]}, data.cells, *data.countries);
    const QLocale locale = page.locale();
    QString rows, options;
    for (const AreaRow &row : table.countries) {
        const QString key = countryKey(data, row.country);
        options += QStringLiteral("<option value=\"%1\"%3>%2</option>")
                       .arg(Html(key), Html(row.country), key == page.target.value(QStringLiteral("country")) ? QStringLiteral(" selected") : QString());
        if (row.km2[0] > 0)
            rows += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                        .arg(Html(row.country), locale.toString(row.km2[0], 'f', 0), locale.toString(row.share(0) * 100, 'f', 1));
    }
    const QString form = QStringLiteral("<form action=\"/species/%1\" method=\"get\" class=\"zoom\"><select name=\"country\" aria-label=\"%2\">"
                                        "<option value=\"\">%3</option>%4</select>%5<button>%2</button></form>")
                             .arg(spId).arg(Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Zoom to country"))),
                                  Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Whole region"))), options,
                                  page.languageAsked ? QStringLiteral("<input type=\"hidden\" name=\"lang\" value=\"%1\">").arg(page.language) : QString());
    const QString head = QStringLiteral("<tr><th>%1</th><th>%2</th><th>%3</th></tr>")
                             .arg(Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Country"))), Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Full match km²"))),
                                  Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Share of land %"))));
    const QString area = rows.isEmpty() ? QStringLiteral("<p class=\"none\">%1</p>").arg(Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "No grid point matches all ranges."))))
                                        : QStringLiteral("<table class=\"area\">%1%2</table>").arg(head, rows);
    return form + QStringLiteral("<h2 id=\"area\">%1</h2>").arg(Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Suitable area by country")))) + area;
}

HttpResponse notFound(const WebPageContext &page)
{
    return ErrorPage(page, 404, page.translated(QT_TRANSLATE_NOOP("WebPages", "Not found")),
                     page.translated(QT_TRANSLATE_NOOP("WebPages", "There is no such species or country.")));
}

// The boundaries' extent of a country (code or name), with a margin.
std::optional<MapExtent> countryExtent(const WebData &data, const QString &country)
{
    QString name = country;
    if (data.places)
        if (const auto number = FindCountry(*data.places, country))
            name = data.places->countryNames().value(*number);
    const ShapeLayer &boundaries = *data.maps.boundaries->data();
    const int field = boundaries.attributes().indexOf(QStringLiteral("NAME"));
    std::optional<MapExtent> extent;
    for (std::uint32_t f = 0; field >= 0 && f < boundaries.featureCount(); ++f)
        if (boundaries.attributes().column(field).valueText(f).trimmed().compare(name, Qt::CaseInsensitive) == 0) {
            if (!extent)
                extent = boundaries.featureExtent(f);
            else
                extent->include(boundaries.featureExtent(f));
        }
    if (extent) {
        const double margin = std::max(extent->width(), extent->height()) * 0.05;
        *extent = MapExtent(extent->left() - margin, extent->bottom() - margin, extent->right() + margin, extent->top() + margin);
    }
    return extent;
}

// Links to the parts of a species page, for a phone's short screen.
QString contents(const WebPageContext &page)
{
    return QStringLiteral("<nav class=\"parts\"><a href=\"#area\">%1</a> <a href=\"#photos\">%2</a> <a href=\"#sheet\">%3</a></nav>")
        .arg(Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Suitable area by country"))),
             Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Photographs"))),
             Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Fact sheet"))));
}

} // namespace

HttpResponse SpeciesPage(const WebPageContext &page, const QString &idOrName)
{
    bool isNumber = false;
    const int spId = idOrName.toInt(&isNumber);
    if (!isNumber) {
        const SpeciesLookup lookup = LookUpSpecies(idOrName);
        if (!lookup.found)
            return notFound(page);
        HttpResponse moved = ErrorPage(page, 303, lookup.species.name, lookup.species.name);
        moved.headers.append(qMakePair(QByteArray("Location"), page.link(QStringLiteral("/species/%1").arg(lookup.species.spId)).toUtf8()));
        return moved;
    }
    const SpeciesRangeRow *row = page.data.species.find(spId);
    if (!row)
        return notFound(page);
    const QString country = page.target.value(QStringLiteral("country"));
    const QString map = page.link(QStringLiteral("/species/%1/map.png").arg(spId),
                                  country.isEmpty() ? QList<QPair<QString, QString>>{} : QList<QPair<QString, QString>>{{QStringLiteral("country"), country}});
    const QString body = contents(page) + QStringLiteral("<h2>%1</h2><figure class=\"map\"><a href=\"%2\"><img src=\"%2\" alt=\"%1\"></a></figure>%3%4%5")
                             .arg(Html(page.translated(QT_TRANSLATE_NOOP("WebPages", "Suitability map"))), Html(map),
                                  areaHtml(page, spId, ReadSpeciesRanges(QString::number(spId)).bounds), photosHtml(page, spId),
                                  sheetHtml(BuildFactSheet(QString::number(spId))));
    return HtmlPage(page, row->name, body);
}

HttpResponse SpeciesPhoto(const WebPageContext &page, int spId, const QString &index)
{
    const QString number = index.endsWith(QLatin1String(".jpg")) ? index.chopped(4) : QString();
    bool ok = false;
    const int wanted = number.toInt(&ok);
    PhotoAlbum album(QString::number(spId));
    for (int at = 1; ok && !album.isEmpty() && at < wanted; ++at)
        if (!album.MoveNext())
            return notFound(page);
    const QString file = ok && wanted >= 1 && !album.isEmpty() ? album.current().file : QString();
    const QFileInfo info(file);
    QFile in(file);
    // Only the SpeciesImage folder's own files: PhotoFile refuses names that
    // leave it, and a symbolic link is not followed.
    if (file.isEmpty() || info.isSymLink() || !in.open(QIODevice::ReadOnly))
        return notFound(page);
    return {200, "image/jpeg", in.readAll(), {{"Cache-Control", "max-age=3600"}}};
}

QByteArray SpeciesMapPng(const WebPageContext &page, int spId)
{
    const WebData &data = page.data;
    const SpeciesRangeRow *row = data.species.find(spId);
    if (!row)
        return {};
    SpeciesMapOptions options;
    options.size = QSize(720, 640);
    const QString country = page.target.value(QStringLiteral("country"));
    if (!country.isEmpty()) {
        const auto extent = countryExtent(data, country);
        if (!extent)
            return {};
        options.extent = *extent;
    }
    const Bounds bounds = ReadSpeciesRanges(QString::number(spId)).bounds;
    const PointMapRequest request =
        SpeciesMapRequest(data.maps, {spId, row->name}, bounds, options, SuitabilityClassLayers(data.maps, bounds, options.shown));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    RenderPointMap(data.maps, request).save(&buffer, "PNG");
    return png;
}
