#include "analysis/SuitabilityClasses.h"
#include "report/ReportDocument.h"
#include "report/ReportText.h"
#include "report/SiteFacts.h"

#include <QLocale>

#include <cmath>

namespace {

QString esc(const QString &text) { return text.toHtmlEscaped(); }
QString number(double value) { return QLocale().toString(value, 'g', 7); }

// "MAR 301 mm too dry": how far outside its range the site lies.
QString missText(const NearMiss &m)
{
    const QString by = number(std::round(m.miss * 10) / 10);
    const bool below = m.value < m.min;
    switch (m.criterion) {
    case 0: return below ? SiteReportText::tr("ALT %1 m too low").arg(by) : SiteReportText::tr("ALT %1 m too high").arg(by);
    case 1: return below ? SiteReportText::tr("MAR %1 mm too dry").arg(by) : SiteReportText::tr("MAR %1 mm too wet").arg(by);
    default: return below ? SiteReportText::tr("MAT %1 °C too cold").arg(by) : SiteReportText::tr("MAT %1 °C too warm").arg(by);
    }
}

QString table(const QStringList &headers, const QList<QStringList> &rows)
{
    QString html = QStringLiteral("<table class=\"list\" cellpadding=\"2\" width=\"100%\"><tr>");
    for (const QString &h : headers)
        html += QStringLiteral("<th>%1</th>").arg(esc(h));
    html += QStringLiteral("</tr>");
    for (const QStringList &row : rows) {
        html += QStringLiteral("<tr>");
        for (const QString &cell : row)
            html += QStringLiteral("<td>%1</td>").arg(esc(cell));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString notStated(const SpeciesRangeRow &s)
{
    static const char *const fields[3] = {"ALT", "MAR", "MAT"};
    QStringList missing;
    for (int c = 0; c < 3; ++c)
        if (!s.stated[c])
            missing << QLatin1String(fields[c]);
    return SiteReportText::tr("%1 not stated").arg(missing.join(QStringLiteral(", ")));
}

} // namespace

void AddSiteReportMisses(SiteReportDocument &document, const SiteFacts &f)
{
    QList<QStringList> near;
    for (const NearMiss &m : f.answer.nearMisses)
        near << QStringList{m.species->name, SiteUsesText(*m.species), missText(m),
                            SiteReportText::tr("%1 to %2 %3").arg(number(m.min), number(m.max), UnitOf(m.criterion))};
    QString html = QStringLiteral("<h2>%1</h2>").arg(esc(SiteReportText::tr("Nearly suitable species")));
    html += near.isEmpty() ? QStringLiteral("<p>%1</p>").arg(esc(SiteReportText::tr("None: no species misses by one range only.")))
                           : QStringLiteral("<p>%1</p>").arg(esc(SiteReportText::tr("Each of these meets two of its ranges here and misses the third by a little; smallest miss first."))) +
                                 table({SiteReportText::tr("Species"), SiteReportText::tr("Uses"), SiteReportText::tr("What it misses"),
                                        SiteReportText::tr("Its range")},
                                       near);
    document.blocks.append({html, false, false});
    if (f.answer.incomplete.empty())
        return;
    QList<QStringList> incomplete;
    for (const SpeciesRangeRow *s : f.answer.incomplete)
        incomplete << QStringList{s->name, SiteUsesText(*s), notStated(*s)};
    html = QStringLiteral("<h2>%1</h2><p>%2</p>")
               .arg(esc(SiteReportText::tr("Species whose ranges are incomplete")),
                    esc(SiteReportText::tr("The catalogue lacks a range of these species; every range it states holds here.")));
    html += table({SiteReportText::tr("Species"), SiteReportText::tr("Uses"), SiteReportText::tr("Missing")}, incomplete);
    document.blocks.append({html, false, false});
}

void AddSiteReportContext(SiteReportDocument &document, const SiteFacts &f)
{
    QList<QStringList> rows;
    for (const UseCount &c : f.counts)
        rows << QStringList{c.use, QLocale().toString(c.atSite),
                            SiteReportText::tr("%1 to %2").arg(QLocale().toString(c.fewestAround), QLocale().toString(c.mostAround))};
    const QString around = SiteReportText::tr("Within %1 km").arg(QLocale().toString(f.surroundingsKm, 'f', 0));
    QString html = QStringLiteral("<h2>%1</h2>").arg(esc(SiteReportText::tr("The site and its surroundings")));
    html += table({SiteReportText::tr("Use"), SiteReportText::tr("Suitable at the site"), around}, rows);
    QString legend;
    for (const PointClassLayer &cls : f.countClasses)
        legend += QStringLiteral("<span style=\"color:%1\">\u25a0</span>&nbsp;%2 &nbsp; ").arg(cls.colour.name(), esc(cls.caption));
    html += QStringLiteral("<p>%1</p><p class=\"small\">%2 %3</p>")
                .arg(SiteReportImage(document, f.countMap, 340),
                     esc(SiteReportText::tr("Species of the uses asked suitable at each grid point around the site (marked by the ring); classes: %1.")
                             .arg(f.countClassing.note())),
                     legend);
    document.blocks.append({html, false, false});
}

void AddSiteReportReferences(SiteReportDocument &document, const SiteFacts &f)
{
    QString html = QStringLiteral("<h2>%1</h2>").arg(esc(SiteReportText::tr("References of the species listed")));
    if (f.references.isEmpty())
        html += QStringLiteral("<p>%1</p>").arg(esc(SiteReportText::tr("None.")));
    for (const QString &reference : f.references)
        html += QStringLiteral("<p class=\"ref\">%1</p>").arg(esc(reference));
    document.blocks.append({html, false, true});
}
