#include "report/SiteReport.h"

#include "analysis/PointMap.h"
#include "base/NotWritten.h"
#include "base/SafeFileWrite.h"
#include "mapping/MapSources.h"
#include "report/ReportDocument.h"
#include "report/ReportText.h"
#include "report/SiteFacts.h"

#include <QBuffer>
#include <QDateTime>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

SiteReportData SiteReportData::loadApplication() { return of(MapData::loadApplication()); }

SiteReportData SiteReportData::of(const MapData &maps)
{
    SpeciesRangeTable species = SpeciesRangeTable::read();
    GridClimate climate = GridClimate::read(*maps.canvas->data());
    SpeciesCountGrid countGrid(climate);
    SiteReportData data;
    data.m_sources = std::make_shared<const SiteReportSources>(SiteReportSources{
        maps, std::move(species), std::move(climate), std::move(countGrid), ReadLayerSources(maps.folder), std::nullopt});
    return data;
}

SiteReport BuildSiteReport(const SiteReportData &data, const SiteReportRequest &request)
{
    // A scenario's sources live as long as the facts that point into them.
    std::optional<SiteReportSources> scenario;
    if (!request.scenario.isEmpty())
        scenario = ScenarioSources(data.sources(), request.scenario);
    const SiteFacts facts = GatherSiteFacts(scenario ? *scenario : data.sources(), request);
    auto document = std::make_shared<SiteReportDocument>();
    document->paper = QPageSize(request.paper == QPageSize::Letter ? QPageSize::Letter : QPageSize::A4);
    ComposeSiteReport(*document, facts);
    PaginateSiteReport(*document);
    return SiteReport(document);
}

int SiteReport::pageCount() const { return m_document->pages; }

QImage SiteReport::pageImage(int page, int dotsPerInch) const
{
    const QSizeF inches = m_document->paper.size(QPageSize::Inch);
    QImage image((inches * dotsPerInch).toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(dotsPerInch / 0.0254));
    image.setDotsPerMeterY(int(dotsPerInch / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    PaintReportPage(*m_document, page, painter, dotsPerInch);
    return image;
}

namespace {

// Qt dates a PDF by the time it is written; with SOURCE_DATE_EPOCH set (as
// for the footer's date) the file says that time instead, so a report made
// again is the same file. The date keeps its length, so no offset moves.
void useSourceDate(QByteArray &pdf)
{
    bool given = false;
    const qint64 seconds = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&given);
    const QByteArray key = "/CreationDate (D:";
    const qsizetype at = pdf.indexOf(key);
    const QByteArray stamp = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1();
    if (given && at >= 0 && stamp.size() == 14 && pdf.mid(at + key.size() + 14, 2) == "Z)")
        pdf.replace(at + key.size(), 14, stamp);
}

QByteArray pdfBytes(const SiteReportDocument &d)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(96);
    writer.setPageSize(d.paper);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(d.title);
    writer.setCreator(d.footerProgram);
    QPainter painter(&writer);
    for (int page = 0; page < d.pages; ++page) {
        if (page > 0)
            writer.newPage();
        PaintReportPage(d, page, painter, 96);
    }
    painter.end();
    useSourceDate(pdf);
    return pdf;
}

} // namespace

void WriteSiteReport(const SiteReport &report, SiteReportFormat format, QIODevice *device)
{
    const QByteArray bytes = format == SiteReportFormat::Pdf ? pdfBytes(report.document()) : SiteReportHtml(report.document());
    if (device->write(bytes) != bytes.size())
        throw Error(SiteReportText::tr("The report could not be written: %1").arg(device->errorString()));
}

std::optional<SiteReportFormat> SiteReportFormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return SiteReportFormat::Pdf;
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
        return SiteReportFormat::Html;
    return std::nullopt;
}

void SaveSiteReport(const SiteReport &report, const QString &path)
{
    const auto format = SiteReportFormatOf(path);
    if (!format)
        throw Error(SiteReportText::tr("%1: a report is written as .pdf or .html").arg(path), path);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WriteSiteReport(report, *format, &buffer);
    try {
        WriteFileSafely(path, bytes);
    } catch (const std::exception &e) {
        throw NotWrittenError(path, e);
    }
}
