#include "analysis/SuitabilityClasses.h"
#include "base/AppIdentity.h"
#include "mapping/Classification.h"
#include "mapping/MapSources.h"
#include "catalogue/ListStatements.h"
#include "report/ReportDocument.h"
#include "report/ReportText.h"
#include "report/SiteFacts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QLocale>

namespace {

QString esc(const QString &text) { return text.toHtmlEscaped(); }
QString number(double value) { return QLocale().toString(value, 'g', 7); }
QString degrees(double value) { return QLocale().toString(value, 'f', 4); }

// "450 m", "2,000 mm", "26.4 °C".
QString valueWithUnit(int criterion, double value) { return number(value) + QChar(0x00a0) + UnitOf(criterion); }

QString criterionName(int criterion)
{
    switch (criterion) {
    case 0: return SiteReportText::tr("Altitude (ALT)");
    case 1: return SiteReportText::tr("Rainfall (MAR)");
    default: return SiteReportText::tr("Temperature (MAT)");
    }
}

// A criterion as a table's row names it.
QString criterionField(int criterion)
{
    static const char *const fields[3] = {"ALT", "MAR", "MAT"};
    return QLatin1String(fields[criterion]);
}

QString useName(const QString &use) { return use.isEmpty() ? SiteReportText::tr("No use recorded") : UseCaption(use); }

QString usesShown(const QStringList &uses)
{
    QStringList shown;
    for (const QString &use : uses)
        shown << UseCaption(use);
    return shown.join(QStringLiteral(", "));
}

// The picture's name in the HTML; the picture kept in the document.
QString addImage(SiteReportDocument &document, const QImage &image, int width)
{
    document.images.append(image);
    const int height = image.isNull() ? 0 : width * image.height() / image.width();
    return QStringLiteral("<img src=\"image:%1\" width=\"%2\" height=\"%3\">").arg(document.images.size() - 1).arg(width).arg(height);
}

QString row(const QString &key, const QString &value)
{
    return QStringLiteral("<tr><td class=\"key\">%1</td><td>%2</td></tr>").arg(esc(key), value);
}

QString siteTable(const SiteFacts &f)
{
    const PointAnswer &a = f.answer;
    QString rows;
    if (!f.request.place.isEmpty())
        rows += row(SiteReportText::tr("Place"), esc(f.request.place));
    rows += row(SiteReportText::tr("Position"), esc(SiteReportText::tr("%1, %2 (longitude, latitude)").arg(degrees(f.request.lon), degrees(f.request.lat))));
    if (!f.country.isEmpty())
        rows += row(SiteReportText::tr("Country"), esc(f.country));
    rows += row(SiteReportText::tr("Grid point used"),
                esc(SiteReportText::tr("%1, %2, %3 km from the position")
                        .arg(degrees(a.position.x), degrees(a.position.y), QLocale().toString(f.distanceKm, 'f', 1))));
    for (int c = 0; c < 3; ++c)
        rows += row(criterionName(c), esc(valueWithUnit(c, EngineValue(a.values[c]))));
    rows += row(SiteReportText::tr("Uses asked"),
                esc(f.usesAsked.isEmpty() ? SiteReportText::tr("every use") : usesShown(f.usesAsked)));
    rows += row(SiteReportText::tr("Grid data"), esc(f.gridSource));
    if (!f.scenario.isEmpty())
        rows += row(SiteReportText::tr("Climate"), esc(f.scenario));
    rows += row(SiteReportText::tr("Boundaries"), esc(f.boundarySource));
    return QStringLiteral("<table class=\"site\" cellpadding=\"2\">%1</table>").arg(rows);
}

// The suitability maps' classes: a swatch and the caption of each.
QString suitabilityLegend()
{
    QString items;
    for (int order = 0; order < 4; ++order) {
        const SuitabilityClass &cls = ClassAt(order);
        items += QStringLiteral("<span style=\"color:%1\">\u25a0</span>&nbsp;%2 &nbsp; ")
                     .arg(QColor(cls.red, cls.green, cls.blue).name(), esc(QCoreApplication::translate("Classification", cls.caption)));
    }
    return items;
}

void addSite(SiteReportDocument &document, const SiteFacts &f)
{
    const QString where = f.request.place.isEmpty() ? SiteReportText::tr("%1, %2").arg(degrees(f.request.lon), degrees(f.request.lat))
                                                    : f.request.place;
    QString html = QStringLiteral("<h1>%1</h1><p class=\"sub\">%2</p>")
                       .arg(esc(SiteReportText::tr("Trees for this site")), esc(where));
    html += siteTable(f);
    html += QStringLiteral("<p class=\"plain\">%1</p>").arg(esc(f.climateLine));
    const int suitable = int(f.species.size());
    html += QStringLiteral("<p>%1</p>").arg(esc(
        suitable ? SiteReportText::tr("%Ln species suit this site: each species' altitude, rainfall and temperature ranges hold here.", nullptr, suitable)
                 : SiteReportText::tr("No species of the catalogue suits this site for the uses asked.")));
    html += QStringLiteral("<p>%1</p>").arg(esc(SiteReportText::tr("%Ln species nearly suit it (one range missed), %1 have incomplete ranges.", nullptr,
                                                                    int(f.answer.nearMisses.size()))
                                                     .arg(QLocale().toString(qulonglong(f.answer.incomplete.size())))));
    if (suitable)
        html += QStringLiteral("<p class=\"small\">%1 %2</p>")
                    .arg(esc(SiteReportText::tr("On each species' map, the ring marks the site:")),
                         suitabilityLegend());
    document.blocks.append({html, false, false});
}

QString rangesTable(const SiteFacts &f, const SpeciesRangeRow &s)
{
    QString rows = QStringLiteral("<tr><th></th><th>%1</th><th>%2</th></tr>")
                       .arg(esc(SiteReportText::tr("Species' range")), esc(SiteReportText::tr("Site")));
    for (int c = 0; c < 3; ++c)
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                    .arg(esc(criterionField(c)),
                         esc(SiteReportText::tr("%1 to %2").arg(number(s.min[c]), valueWithUnit(c, s.max[c]))),
                         esc(valueWithUnit(c, EngineValue(f.answer.values[c]))));
    return QStringLiteral("<table class=\"ranges\" cellpadding=\"1\" width=\"100%\">%1</table>").arg(rows);
}

// The text cut at a word boundary to about `length` characters.
QString excerpt(const QString &text, int length = 260)
{
    if (text.size() <= length)
        return text;
    const qsizetype cut = text.lastIndexOf(QLatin1Char(' '), length);
    return text.left(cut > 0 ? cut : length) + QChar(0x2026);
}

// A fact sheet's heading ("1. Products") or section ("-Functional Uses-", shown
// without its dashes) as the fact sheet shows it in the chosen language.
QString sheetHeading(const char *source)
{
    static const QRegularExpression dashes(QStringLiteral("^-+|-+$"));
    return QCoreApplication::translate("FactSheet", source).remove(dashes);
}

QString sheetLine(const QString &label, const QString &heading, const QString &section, const QString &text)
{
    if (text.isEmpty())
        return {};
    return QStringLiteral("<p class=\"sheet\"><b>%1</b> <span class=\"from\">%2</span> %3</p>")
        .arg(esc(label), esc(SiteReportText::tr("(fact sheet, %1, \u201c%2\u201d):").arg(section, heading)), esc(excerpt(text)));
}

QString commonNames(const SpeciesSheetLines &sheet)
{
    QStringList parts;
    for (const auto &[lang, names] : sheet.commonNames)
        parts << QStringLiteral("<i>%1</i>: %2").arg(esc(lang), esc(names));
    return parts.isEmpty() ? esc(SiteReportText::tr("none in the catalogue")) : parts.join(QStringLiteral("; "));
}

} // namespace

QString SiteUsesText(const SpeciesRangeRow &s)
{
    QString uses = s.uses.trimmed();
    uses.remove(QLatin1Char('(')).replace(QStringLiteral(") "), QStringLiteral(", ")).remove(QLatin1Char(')'));
    return uses.isEmpty() ? SiteReportText::tr("none recorded") : usesShown(uses.split(QStringLiteral(", ")));
}

namespace {

QString speciesEntry(SiteReportDocument &document, const SiteFacts &f, const ReportSpecies &s)
{
    QString head = QStringLiteral("<h3>%1</h3><p>%2</p><p>%3 %4</p>")
                       .arg(esc(s.row->name),
                            esc(SiteReportText::tr("Family %1; species number %2; uses: %3")
                                    .arg(s.sheet.family, QString::number(s.row->spId), SiteUsesText(*s.row))),
                            esc(SiteReportText::tr("Common names:")), commonNames(s.sheet));
    QString text = rangesTable(f, *s.row);
    text += sheetLine(SiteReportText::tr("Uses"), sheetHeading("1. Products"), sheetHeading("-Functional Uses-"), s.sheet.products);
    text += sheetLine(SiteReportText::tr("Propagation"), sheetHeading("1. Propagation Methods"),
                      sheetHeading("-Propagation and Management-"), s.sheet.propagation);
    return head + QStringLiteral("<table class=\"species\" width=\"100%\" cellpadding=\"0\" cellspacing=\"4\"><tr><td>%1</td>"
                                 "<td width=\"200\" align=\"right\">%2</td></tr></table>")
                      .arg(text, addImage(document, s.map, 200));
}

void addGroups(SiteReportDocument &document, const SiteFacts &f)
{
    for (const UseGroup &g : f.groups) {
        const int count = int(g.described.size() + g.describedAbove.size());
        QString heading = QStringLiteral("<h2>%1</h2>").arg(esc(SiteReportText::tr("%1: %Ln suitable species", nullptr, count).arg(useName(g.use))));
        QStringList above;
        for (int i : g.describedAbove)
            above << f.species[i].row->name;
        if (!above.isEmpty())
            heading += QStringLiteral("<p>%1</p>").arg(esc(SiteReportText::tr("Also suitable, described above: %1").arg(above.join(QStringLiteral(", ")))));
        if (count == 0)
            heading += QStringLiteral("<p>%1</p>").arg(esc(SiteReportText::tr("No species of this use suits the site.")));
        document.blocks.append({heading, !g.described.empty(), false});
        for (int i : g.described)
            document.blocks.append({speciesEntry(document, f, f.species[i]), false, false});
    }
}

} // namespace

QString SiteReportImage(SiteReportDocument &document, const QImage &image, int width) { return addImage(document, image, width); }

void ComposeSiteReport(SiteReportDocument &document, const SiteFacts &facts)
{
    const AppVersion v = ApplicationVersion();
    document.title = SiteReportText::tr("Trees for this site");
    document.footerProgram = SiteReportText::tr("Silvaria %1.%2.%3, %4")
                                 .arg(v.major).arg(v.minor).arg(v.revision)
                                 .arg(QLocale().toString(StampDate(), QLocale::LongFormat));
    document.footerSources = SiteReportText::tr("Catalogue: Silvaria catalogue, from the works cited on the last page. Grid: %1")
                                 .arg(facts.gridSource);
    if (!facts.scenario.isEmpty())
        document.footerSources += QStringLiteral(" ") + SiteReportText::tr("Climate: %1.").arg(facts.scenario);
    addSite(document, facts);
    addGroups(document, facts);
    AddSiteReportMisses(document, facts);
    AddSiteReportContext(document, facts);
    AddSiteReportReferences(document, facts);
}
