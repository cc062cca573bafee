// Builds pasia_canvas.shp: one point per 5-arc-minute cell of ETOPO5 whose
// centre lies inside a country polygon of country_bnd.shp, with altitude from
// ETOPO5 and modelled climate (see ClimateModel.h and README.md).
//
//   make_sample_grid <country_bnd.shp> <etopo window .img> <west> <north> <columns> <rows> <out.shp>
//
// The window is raw little-endian Float32 elevations, row 0 along the
// northern latitude, cell (c, r) centred on (west + c/12, north - r/12)
// degrees exactly (make_sample_shapefiles.sh cuts it from etopo5.cdf by index).
#include "mapping/MapError.h"
#include "mapping/MapLayer.h"
#include "tools/shapefiles/ClimateModel.h"
#include "mapping/GridPointWriter.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <deque>
#include <vector>

namespace {

constexpr double CellDegrees = 1.0 / 12.0;
constexpr double KmPerDegree = 111.2;

struct Window {
    double west = 0, north = 0;
    int columns = 0, rows = 0;
    std::vector<float> elevation;
    double lon(int c) const { return west + c * CellDegrees; }
    double lat(int r) const { return north - r * CellDegrees; }
    float at(int c, int r) const
    {
        c = std::clamp(c, 0, columns - 1);
        r = std::clamp(r, 0, rows - 1);
        return elevation[std::size_t(r) * std::size_t(columns) + std::size_t(c)];
    }
};

Window readWindow(const char *path, double west, double north, int columns, int rows)
{
    Window w{west, north, columns, rows, {}};
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(std::string(path) + ": " + file.errorString().toStdString());
    const QByteArray bytes = file.readAll();
    if (bytes.size() != qsizetype(columns) * rows * 4)
        throw std::runtime_error(std::string(path) + ": not " + std::to_string(columns) + " x " +
                                 std::to_string(rows) + " Float32 cells");
    w.elevation.resize(std::size_t(columns) * std::size_t(rows));
    std::memcpy(w.elevation.data(), bytes.constData(), std::size_t(bytes.size()));
    return w;
}

// Kilometres from each cell to the nearest cell that is not land, by a
// breadth-first sweep with distances measured along the way (cells east-west
// shrink with the cosine of latitude).
std::vector<double> coastDistance(const Window &w, const std::vector<std::uint8_t> &land)
{
    const std::size_t n = land.size();
    std::vector<double> distance(n, 1e9);
    std::vector<std::pair<int, int>> nearestSea(n, {-1, -1});
    std::deque<std::size_t> queue;
    for (std::size_t i = 0; i < n; ++i)
        if (!land[i]) {
            distance[i] = 0;
            nearestSea[i] = {int(i % std::size_t(w.columns)), int(i / std::size_t(w.columns))};
            queue.push_back(i);
        }
    auto km = [&](int c0, int r0, int c1, int r1) {
        const double dx = (c1 - c0) * CellDegrees * KmPerDegree * std::cos((w.lat(r0) + w.lat(r1)) / 2 * M_PI / 180);
        const double dy = (r1 - r0) * CellDegrees * KmPerDegree;
        return std::hypot(dx, dy);
    };
    while (!queue.empty()) {
        const std::size_t i = queue.front();
        queue.pop_front();
        const int c = int(i % std::size_t(w.columns)), r = int(i / std::size_t(w.columns));
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc) {
                const int nc = c + dc, nr = r + dr;
                if ((dc == 0 && dr == 0) || nc < 0 || nr < 0 || nc >= w.columns || nr >= w.rows)
                    continue;
                const std::size_t j = std::size_t(nr) * std::size_t(w.columns) + std::size_t(nc);
                const auto [sc, sr] = nearestSea[i];
                const double d = km(nc, nr, sc, sr);
                if (d + 1e-9 < distance[j]) {
                    distance[j] = d;
                    nearestSea[j] = nearestSea[i];
                    queue.push_back(j);
                }
            }
    }
    return distance;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 8) {
        std::fprintf(stderr, "usage: %s <country_bnd.shp> <window.img> <west> <north> <columns> <rows> <out.shp>\n",
                     argv[0]);
        return 2;
    }
    try {
        const auto countries = MapLayer::fromFile(QString::fromLocal8Bit(argv[1]));
        const Window w = readWindow(argv[2], std::atof(argv[3]), std::atof(argv[4]), std::atoi(argv[5]),
                                    std::atoi(argv[6]));
        const std::size_t cells = std::size_t(w.columns) * std::size_t(w.rows);
        std::vector<std::uint8_t> land(cells, 0);
        std::vector<int> country(cells, 0);
        for (int r = 0; r < w.rows; ++r)
            for (int c = 0; c < w.columns; ++c) {
                const MapRecordSet found = countries->searchShape({w.lon(c), w.lat(r)}, SearchMethodPointInPolygon);
                if (found.isEOF())
                    continue;
                const std::size_t i = std::size_t(r) * std::size_t(w.columns) + std::size_t(c);
                land[i] = 1;
                country[i] = int(found.featureId()) + 1;
            }
        const std::vector<double> coastKm = coastDistance(w, land);

        // The wind blows from the south-west: travel direction (1, 1)/sqrt(2), east and north.
        const double dyKm = CellDegrees * KmPerDegree;
        GridPointWriter writer(argv[7]);
        for (int r = 0; r < w.rows; ++r)
            for (int c = 0; c < w.columns; ++c) {
                const std::size_t i = std::size_t(r) * std::size_t(w.columns) + std::size_t(c);
                if (!land[i])
                    continue;
                auto ground = [&](int cc, int rr) { return std::max(0.0f, w.at(cc, rr)); };
                const double alt = std::clamp(std::round(double(ground(c, r))), 0.0, 6098.0);
                const double dxKm = dyKm * std::cos(w.lat(r) * M_PI / 180);
                // Slopes over 3 cells each way (about 25 km): the scale at which air is lifted.
                const double east = (ground(c + 3, r) - ground(c - 3, r)) / (6 * dxKm);
                const double north = (ground(c, r - 3) - ground(c, r + 3)) / (6 * dyKm);
                const double windward = (east + north) / std::sqrt(2.0);
                int landAround = 0;
                for (int dr = -1; dr <= 1; ++dr)
                    for (int dc = -1; dc <= 1; ++dc)
                        landAround += w.at(c + dc, r + dr) > 0;
                GridPointWriter::Point p{};
                p.x = w.lon(c);
                p.y = w.lat(r);
                p.alt = int(alt);
                p.mar = int(ClimateModel::meanAnnualRainfall(p.y, alt, coastKm[i], windward));
                p.mat = ClimateModel::meanAnnualTemperature(p.y, alt);
                p.matRange = ClimateModel::temperatureRange(p.y, coastKm[i]);
                p.count = landAround;
                p.value = country[i];
                writer.add(p);
            }
        writer.close();
        std::printf("%d grid points written to %s\n", writer.count(), argv[7]);
    } catch (const MapError &error) {
        std::fprintf(stderr, "%s\n", error.message().toLocal8Bit().constData());
        return 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
