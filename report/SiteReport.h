#pragma once
#include "base/Error.h"

#include <QImage>
#include <QList>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>

class QIODevice;
struct MapData;
struct SiteReportSources;

// The printable site report: the trees that suit one position, for the uses
// asked, with enough about each to talk it through. The command line, the
// windows and a web handler all make it the same way:
//
//     const SiteReportData data = SiteReportData::loadApplication(); // once; throws Error
//     SiteReportRequest request{110.37, -7.8};
//     request.uses = {"Timber", "Fruit"};
//     const SiteReport report = BuildSiteReport(data, request);     // throws Error
//     WriteSiteReport(report, SiteReportFormat::Pdf, &device);      // any open QIODevice
//     SaveSiteReport(report, "site.pdf");                            // or a file, by its extension
//
// Everything here needs only Qt Core and Gui (a QGuiApplication, offscreen
// will do, must exist for the fonts), and the catalogue must be open. Make
// reports on one thread at a time: they read the process's one catalogue
// connection. A SiteReportData may be kept and shared by every report.

// What to report on.
struct SiteReportRequest {
    double lon = 0, lat = 0;         // degrees, west and south negative
    QString place;                   // the place's name when it was found by name; empty otherwise
    QStringList uses;                // functional uses (UseNames(), any case); empty: every use
    QPageSize::PageSizeId paper = QPageSize::A4; // A4 or Letter
    QString scenario;                // an installed scenario grid's name: its climate instead of the grid's; empty: the grid's
};

// The data a report reads: the map layers of a ShapeFiles folder and the
// catalogue's species with their ranges, read once and kept for many reports.
class SiteReportData {
public:
    // The application folder's layers, and the open catalogue's species.
    // Throws Error naming the file and the reason.
    static SiteReportData loadApplication();
    // Over map layers already read (shared, not read again), with the open
    // catalogue's species and the grid's climate.
    static SiteReportData of(const MapData &maps);
    const SiteReportSources &sources() const { return *m_sources; }

private:
    SiteReportData() = default;
    std::shared_ptr<const SiteReportSources> m_sources;
};

// The position lies farther from every grid point than a click on the map
// may: no report can be made there.
class SiteOutsideGrid : public Error {
public:
    using Error::Error;
};
// A use name the catalogue does not know; the message lists the known ones.
class UnknownUse : public Error {
public:
    using Error::Error;
};

// A finished report: its pages laid out, ready to be written or shown.
struct SiteReportDocument;
class SiteReport {
public:
    int pageCount() const;
    // The page as an image at `dotsPerInch`, for a preview.
    QImage pageImage(int page, int dotsPerInch) const;
    const SiteReportDocument &document() const { return *m_document; }

    explicit SiteReport(std::shared_ptr<const SiteReportDocument> document) : m_document(std::move(document)) {}

private:
    std::shared_ptr<const SiteReportDocument> m_document;
};

// Builds the report. Throws SiteOutsideGrid, UnknownUse, or Error (a grid
// point without values, an unknown or unreadable scenario, an unreadable
// catalogue).
SiteReport BuildSiteReport(const SiteReportData &data, const SiteReportRequest &request);

// PDF (fonts embedded), or one HTML file with its pictures embedded as data: URIs.
enum class SiteReportFormat { Pdf, Html };
// Writes the report to an open device. Throws Error when the device fails.
void WriteSiteReport(const SiteReport &report, SiteReportFormat format, QIODevice *device);
// The format of a file name: .pdf, or .html / .htm (any case); nothing else.
std::optional<SiteReportFormat> SiteReportFormatOf(const QString &path);
// Writes the report to the file in the format its name says, through a file
// beside it, so a failure leaves any old file as it was. Throws Error naming
// the file and the reason.
void SaveSiteReport(const SiteReport &report, const QString &path);

// The use bits of use names (any case); throws UnknownUse listing the known ones.
std::uint16_t SiteReportUses(const QStringList &uses);
