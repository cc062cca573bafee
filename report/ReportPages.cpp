#include "report/ReportDocument.h"
#include "report/ReportText.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>

#include <cmath>

namespace {

// Every length of the layout is in pixels of 96 to the inch, the PDF's too.
constexpr double LayoutDpi = 96;
constexpr double Mm = LayoutDpi / 25.4;
constexpr double SideMargin = 16 * Mm, TopMargin = 14 * Mm, FooterHeight = 14 * Mm, BottomMargin = 8 * Mm;
constexpr double BlockGap = 6;

const char *const StyleSheet =
    "body { font-family: 'DejaVu Sans'; font-size: 9pt; }"
    "h1 { font-size: 18pt; color: #1d5a2c; margin-bottom: 2px; }"
    "h2 { font-size: 13pt; color: #1d5a2c; margin-top: 6px; margin-bottom: 4px; }"
    "h3 { font-size: 11pt; font-style: italic; margin-top: 0px; margin-bottom: 2px; }"
    "p { margin-top: 2px; margin-bottom: 2px; }"
    "p.sub { font-size: 11pt; }"
    "p.plain { font-weight: bold; background-color: #fff4d6; }"
    "p.small, span.from { font-size: 8pt; color: #444444; }"
    "p.sheet { font-size: 8pt; }"
    "p.ref { font-size: 8pt; margin-bottom: 4px; }"
    "td.key { font-weight: bold; padding-right: 8px; }"
    "th { background-color: #e3eee5; text-align: left; }"
    "table.species { border-bottom: 1px solid #999999; }";

// A paint device of 96 dots per inch for laying documents out.
QPaintDevice *layoutDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(int(std::lround(LayoutDpi / 0.0254)));
        image.setDotsPerMeterY(int(std::lround(LayoutDpi / 0.0254)));
        return image;
    }();
    return &device;
}

QSizeF pageSize(const QPageSize &paper) { return paper.size(QPageSize::Inch) * LayoutDpi; }
QSizeF textArea(const QPageSize &paper)
{
    const QSizeF page = pageSize(paper);
    return {page.width() - 2 * SideMargin, page.height() - TopMargin - FooterHeight - BottomMargin};
}

std::shared_ptr<QTextDocument> layOut(const SiteReportDocument &d, const QString &html, double width)
{
    auto doc = std::make_shared<QTextDocument>();
    doc->documentLayout()->setPaintDevice(layoutDevice());
    doc->setDocumentMargin(0);
    doc->setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    doc->setDefaultStyleSheet(QString::fromLatin1(StyleSheet));
    for (qsizetype i = 0; i < d.images.size(); ++i)
        if (html.contains(QStringLiteral("\"image:%1\"").arg(i)))
            doc->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("image:%1").arg(i)), d.images[i]);
    doc->setHtml(html);
    doc->setTextWidth(width);
    return doc;
}

// A block taller than the text area is laid out in page-high slices, one a page.
int placeTallBlock(SiteReportDocument &d, int block, int page, const QSizeF &area, double &y)
{
    QTextDocument &doc = *d.laidOut[block];
    doc.setPageSize(area);
    const int slices = doc.pageCount();
    for (int s = 0; s < slices; ++s)
        d.placements.push_back({block, page + s, s, 0});
    y = doc.size().height() - (slices - 1) * area.height() + BlockGap;
    return page + slices - 1;
}

void drawFooter(const SiteReportDocument &d, int page, QPainter &p)
{
    const QSizeF size = pageSize(d.paper);
    const double top = size.height() - BottomMargin - FooterHeight + 4 * Mm;
    const double width = size.width() - 2 * SideMargin;
    p.setPen(QPen(QColor(150, 150, 150), 0.5));
    p.drawLine(QPointF(SideMargin, top - 2 * Mm), QPointF(SideMargin + width, top - 2 * Mm));
    const QString pages = SiteReportText::tr("Page %1 of %2").arg(page + 1).arg(d.pages);
    const QString html = QStringLiteral("<table width=\"100%\"><tr><td>%1</td><td align=\"right\">%2</td></tr></table><p>%3</p>")
                             .arg(d.footerProgram.toHtmlEscaped(), pages.toHtmlEscaped(), d.footerSources.toHtmlEscaped());
    const auto footer = layOut(d, QStringLiteral("<div style=\"font-size: 7pt; color: #333333\">%1</div>").arg(html), width);
    p.save();
    p.translate(SideMargin, top);
    footer->drawContents(&p, QRectF(0, 0, width, FooterHeight));
    p.restore();
}

} // namespace

void PaginateSiteReport(SiteReportDocument &d)
{
    const QSizeF area = textArea(d.paper);
    d.laidOut.clear();
    d.placements.clear();
    for (const ReportBlock &b : std::as_const(d.blocks))
        d.laidOut.push_back(layOut(d, b.html, area.width()));
    int page = 0;
    double y = 0;
    for (int i = 0; i < int(d.blocks.size()); ++i) {
        const double height = d.laidOut[i]->size().height();
        double needed = height;
        if (d.blocks[i].keepWithNext && i + 1 < int(d.blocks.size()))
            needed += std::min(d.laidOut[i + 1]->size().height(), area.height() - height);
        if (y > 0 && (d.blocks[i].newPage || y + needed > area.height())) {
            ++page;
            y = 0;
        }
        if (height > area.height()) {
            page = placeTallBlock(d, i, page, area, y);
            continue;
        }
        d.placements.push_back({i, page, 0, y});
        y += height + BlockGap;
    }
    d.pages = page + 1;
}

void PaintReportPage(const SiteReportDocument &d, int page, QPainter &p, double dotsPerInch)
{
    const QSizeF area = textArea(d.paper);
    p.save();
    p.scale(dotsPerInch / LayoutDpi, dotsPerInch / LayoutDpi);
    p.fillRect(QRectF(QPointF(0, 0), pageSize(d.paper)), Qt::white);
    for (const BlockPlacement &at : d.placements) {
        if (at.page != page)
            continue;
        p.save();
        p.translate(SideMargin, TopMargin + at.top - at.slice * area.height());
        d.laidOut[at.block]->drawContents(&p, QRectF(0, at.slice * area.height(), area.width(), area.height()));
        p.restore();
    }
    drawFooter(d, page, p);
    p.restore();
}

QByteArray SiteReportHtml(const SiteReportDocument &d)
{
    QString body;
    for (const ReportBlock &b : d.blocks)
        body += (b.newPage ? QStringLiteral("<div style=\"page-break-before: always\">%1</div>\n")
                           : QStringLiteral("<div>%1</div>\n"))
                    .arg(b.html);
    static const QRegularExpression image(QStringLiteral("src=\"image:(\\d+)\""));
    QString out;
    qsizetype last = 0;
    for (auto it = image.globalMatch(body); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        d.images.value(m.captured(1).toInt()).save(&buffer, "PNG");
        out += body.mid(last, m.capturedStart() - last) +
               QStringLiteral("src=\"data:image/png;base64,%1\"").arg(QString::fromLatin1(png.toBase64()));
        last = m.capturedEnd();
    }
    out += body.mid(last);
    const QString footer = QStringLiteral("<hr><p class=\"small\">%1<br>%2</p>").arg(d.footerProgram.toHtmlEscaped(), d.footerSources.toHtmlEscaped());
    return QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title><style>%2</style></head>\n<body>\n%3%4</body></html>\n")
        .arg(d.title.toHtmlEscaped(), QString::fromLatin1(StyleSheet), out, footer)
        .toUtf8();
}
