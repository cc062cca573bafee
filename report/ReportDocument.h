#pragma once
#include <QImage>
#include <QList>
#include <QPageSize>
#include <QString>

#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QTextDocument;
struct SiteFacts;
struct SpeciesRangeRow;

// One piece of the report that is never split across pages unless it is
// taller than a page (a long table): a species' entry, a heading, a section.
struct ReportBlock {
    QString html;
    bool keepWithNext = false; // a heading: on the same page as the block after it
    bool newPage = false;      // starts a page
};

// Where a block lies: on which page, how far down the page's text area, and
// for a block taller than a page, which page-high slice of it.
struct BlockPlacement {
    int block = 0, page = 0, slice = 0;
    double top = 0;
};

// The report as blocks of HTML with their pictures (named "image:N" in the
// HTML), laid out on pages in units of 1/96 inch.
struct SiteReportDocument {
    QString title;
    QList<ReportBlock> blocks;
    QList<QImage> images;
    QString footerProgram; // "Silvaria 2.0.5128, 8 December 2026"
    QString footerSources;
    QPageSize paper;

    std::vector<std::shared_ptr<QTextDocument>> laidOut; // one per block
    std::vector<BlockPlacement> placements;
    int pages = 0;
};

// The blocks of the facts (report/ReportHtml.cpp): the site and the use
// groups, then the near misses and incomplete ranges, the species count
// around the site and the references (report/ReportSections.cpp).
void ComposeSiteReport(SiteReportDocument &document, const SiteFacts &facts);
void AddSiteReportMisses(SiteReportDocument &document, const SiteFacts &facts);
void AddSiteReportContext(SiteReportDocument &document, const SiteFacts &facts);
void AddSiteReportReferences(SiteReportDocument &document, const SiteFacts &facts);
// Keeps the picture in the document; its <img> element, `width` pixels wide.
QString SiteReportImage(SiteReportDocument &document, const QImage &image, int width);
// "Timber, Fodder" of the species' uses, or "none recorded".
QString SiteUsesText(const SpeciesRangeRow &species);
// Lays the blocks out on pages of the document's paper.
void PaginateSiteReport(SiteReportDocument &document);
// Paints page `page` (from 0) on a painter whose device is `dotsPerInch`.
void PaintReportPage(const SiteReportDocument &document, int page, QPainter &painter, double dotsPerInch);
// The whole document as one HTML file, the pictures as data: URIs.
QByteArray SiteReportHtml(const SiteReportDocument &document);
