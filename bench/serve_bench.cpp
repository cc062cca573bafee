// silvaria-cli serve: a species page, a map picture and a place's suitable
// species asked over HTTP on 127.0.0.1 from a server running in this
// process, each beside its floor in the same run: the core calls alone that
// the page is built from. Species cycle through the whole catalogue, more
// than the server keeps pictures of, so every map is drawn afresh.
//
// Targets: a species page at most 50 ms, a map at most 150 ms, the suitable
// list at a place at most 30 ms. The load run is bench/serve_load.sh. One run
// (Release, 2 shared cores, load 3.2 to 4.6):
//   species page           1.13 ms   1.5 x  (fact sheet and area by country, 0.75 ms)
//   map picture           28.7 ms    0.99 x (drawing and PNG encoding, 29.1 ms)
//   suitable at a place    0.15 ms   the floor (the answer at the point) is below a microsecond
//   load, 50 clients x 200 requests: no error, p50 18.5 ms, p95 42.8 ms, 2440 requests/s,
//   server peak RSS 86 MB
#include "analysis/NearMisses.h"
#include "analysis/SuitabilityClasses.h"
#include "analysis/SuitableArea.h"
#include "base/ApplicationFolder.h"
#include "bench/RunTimes.h"
#include "catalogue/modDatabase.h"
#include "cli/CliData.h"
#include "cli/serve/HttpServer.h"
#include "cli/serve/WebSite.h"
#include "factsheet/FactSheet.h"
#include "mapping/SpeciesRanges.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>

namespace {

struct Served {
    std::unique_ptr<WebSite> site;
    std::unique_ptr<HttpServer> server;
};

Served &served()
{
    static Served s = [] {
        SetApplicationFolder(QStringLiteral(SILVARIA_BINARY_DIR "/bin"));
        OpenCatalogue();
        Served made{std::make_unique<WebSite>(WebData::load(), HttpLimits{}), nullptr};
        made.server = std::make_unique<HttpServer>([site = made.site.get()](const HttpRequest &r) { return site->answer(r); });
        made.server->start(QStringLiteral("127.0.0.1"), 0);
        return made;
    }();
    return s;
}

// One GET on a fresh connection; the bytes of the whole answer.
std::size_t fetch(const QByteArray &target)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(served().server->port());
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::size_t total = 0;
    if (::connect(fd, reinterpret_cast<sockaddr *>(&to), sizeof to) == 0) {
        const QByteArray request = "GET " + target + " HTTP/1.1\r\nHost: b\r\nConnection: close\r\n\r\n";
        ::send(fd, request.constData(), std::size_t(request.size()), 0);
        char buffer[65536];
        for (ssize_t n; (n = ::recv(fd, buffer, sizeof buffer, 0)) > 0;)
            total += std::size_t(n);
    }
    ::close(fd);
    return total;
}

int speciesAt(std::size_t i)
{
    const auto &rows = served().site->data().species.rows;
    return rows[i % rows.size()].spId;
}

void SpeciesPageServed(benchmark::State &state)
{
    std::size_t i = 0, bytes = 0;
    for (auto _ : state)
        bytes += fetch("/species/" + QByteArray::number(speciesAt(i++)));
    benchmark::DoNotOptimize(bytes);
}

void SpeciesPageCore(benchmark::State &state)
{
    const WebData &data = served().site->data();
    std::size_t i = 0;
    for (auto _ : state) {
        const int spId = speciesAt(i++);
        const QString sheet = BuildFactSheet(QString::number(spId));
        const auto points = ClassPoints(*data.maps.canvas, ReadSpeciesRanges(QString::number(spId)).bounds, data.maps.ranges);
        benchmark::DoNotOptimize(SumAreas({&points[ClassFullMatch]}, data.cells, *data.countries).total.landKm2 + sheet.size());
    }
}

void MapServed(benchmark::State &state)
{
    std::size_t i = 0, bytes = 0;
    for (auto _ : state)
        bytes += fetch("/species/" + QByteArray::number(speciesAt(i++)) + "/map.png");
    benchmark::DoNotOptimize(bytes);
}

void MapCore(benchmark::State &state)
{
    const WebData &data = served().site->data();
    std::size_t i = 0;
    for (auto _ : state) {
        const SpeciesRangeRow &row = data.species.rows[i++ % data.species.rows.size()];
        SpeciesMapOptions options;
        options.size = QSize(720, 640);
        const Bounds bounds = ReadSpeciesRanges(QString::number(row.spId)).bounds;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        RenderPointMap(data.maps, SpeciesMapRequest(data.maps, {row.spId, row.name}, bounds, options,
                                                    SuitabilityClassLayers(data.maps, bounds, options.shown)))
            .save(&buffer, "PNG");
        benchmark::DoNotOptimize(png.size());
    }
}

// Places across the region: Chiang Mai, Yogyakarta, Da Lat, Luzon, Sabah.
const double Points[][2] = {{98.98, 18.79}, {110.37, -7.8}, {108.44, 11.94}, {121.0, 16.5}, {116.1, 5.9}};

void HereServed(benchmark::State &state)
{
    std::size_t i = 0, bytes = 0;
    for (auto _ : state) {
        const auto &p = Points[i++ % std::size(Points)];
        bytes += fetch(QStringLiteral("/here?lon=%1&lat=%2&use=Fruit").arg(p[0]).arg(p[1]).toUtf8());
    }
    benchmark::DoNotOptimize(bytes);
}

void HereCore(benchmark::State &state)
{
    const WebData &data = served().site->data();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto &p = Points[i++ % std::size(Points)];
        benchmark::DoNotOptimize(
            AnswerAtPoint(data.species, data.climate, *data.maps.canvas, {p[0], p[1]}, data.reach, UseFruit).suitable.size());
    }
}

BENCHMARK(SpeciesPageServed)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime();
BENCHMARK(SpeciesPageCore)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(MapServed)->Unit(benchmark::kMillisecond)->MinTime(3)->UseRealTime();
BENCHMARK(MapCore)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(HereServed)->Unit(benchmark::kMillisecond)->MinTime(1)->UseRealTime();
BENCHMARK(HereCore)->Unit(benchmark::kMillisecond)->MinTime(1);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RunTimes times;
    benchmark::RunSpecifiedBenchmarks(&times);
    const auto ratio = [&](const char *what, const char *page, const char *floor, double target) {
        std::printf("%-22s %8.2f ms  %5.2f x floor (%.4f ms)  target %.0f ms\n", what, times.seconds[page] * 1e3,
                    times.seconds[page] / times.seconds[floor], times.seconds[floor] * 1e3, target);
    };
    ratio("species page", "SpeciesPageServed/min_time:2.000/real_time", "SpeciesPageCore/min_time:2.000", 50);
    ratio("map picture", "MapServed/min_time:3.000/real_time", "MapCore/min_time:3.000", 150);
    ratio("suitable at a place", "HereServed/min_time:1.000/real_time", "HereCore/min_time:1.000", 30);
    served().server->stop();
    return 0;
}
