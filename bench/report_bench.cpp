// The site report of a lowland site in Java (46 suitable species, every use):
// from the request to the finished PDF in memory, beside the floor of
// drawing the same species' small maps alone, in the same run.
//
// One run (RelWithDebInfo, 2 cores shared with other work), medians of 5:
//   report to PDF, 46 species with maps      298 ms   2.8 x   (a busier run: 493 ms, 2.5 x)
//   the floor: their 46 small maps alone     106 ms           (199 ms)
#include "base/ApplicationFolder.h"
#include "bench/RunTimes.h"
#include "catalogue/modDatabase.h"
#include "report/SiteFacts.h"
#include "report/SiteReport.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>

#include <cstdio>

namespace {

const SiteReportRequest Site{110.37, -7.8, QString(), {}, QPageSize::A4};

const SiteReportData &data()
{
    static const SiteReportData loaded = [] {
        SetApplicationFolder(QStringLiteral(SILVARIA_BINARY_DIR "/bin"));
        OpenCatalogue();
        return SiteReportData::loadApplication();
    }();
    return loaded;
}

void ReportToPdf(benchmark::State &state)
{
    for (auto _ : state) {
        QByteArray pdf;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        WriteSiteReport(BuildSiteReport(data(), Site), SiteReportFormat::Pdf, &buffer);
        benchmark::DoNotOptimize(pdf.size());
    }
}

// The floor: the small maps of the same species, nothing else.
void SmallMapsAlone(benchmark::State &state)
{
    const SiteReportSources &sources = data().sources();
    const PointAnswer answer = AnswerAtPoint(sources.species, sources.climate, *sources.maps.canvas, {Site.lon, Site.lat}, 0.5);
    for (auto _ : state)
        for (const SpeciesRangeRow *species : answer.suitable)
            benchmark::DoNotOptimize(SiteSuitabilityMap(sources, *species, answer.position).width());
    state.counters["species"] = double(answer.suitable.size());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    data(); // the layers and the catalogue read before any timing
    const int repeats = 5;
    benchmark::RegisterBenchmark("ReportToPdf", ReportToPdf)->Unit(benchmark::kMillisecond)->Repetitions(repeats);
    benchmark::RegisterBenchmark("SmallMapsAlone", SmallMapsAlone)->Unit(benchmark::kMillisecond)->Repetitions(repeats);
    benchmark::Initialize(&argc, argv);
    RunTimes reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::string median = "/repeats:" + std::to_string(repeats) + "_median";
    const double report = reporter.seconds["ReportToPdf" + median], floor = reporter.seconds["SmallMapsAlone" + median];
    std::printf("\nSite report to PDF: median %.0f ms (within 2 s: %s), %.1f x the floor of drawing its small maps alone (%.0f ms)\n",
                report * 1e3, report <= 2 ? "yes" : "no", floor > 0 ? report / floor : 0, floor * 1e3);
    benchmark::Shutdown();
    return 0;
}
