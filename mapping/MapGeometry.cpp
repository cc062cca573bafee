#include "mapping/MapGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace MapGeometry {

namespace {

bool onSegment(const MapPoint &p, const MapPoint &a, const MapPoint &b)
{
    const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    return cross == 0 && p.x >= std::min(a.x, b.x) && p.x <= std::max(a.x, b.x) && p.y >= std::min(a.y, b.y) &&
           p.y <= std::max(a.y, b.y);
}

} // namespace

bool ringEncloses(std::span<const MapPoint> ring, const MapPoint &p, bool &onEdge)
{
    bool inside = false;
    const std::size_t n = ring.size();
    if (n < 2)
        return false;
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const MapPoint &a = ring[i];
        const MapPoint &b = ring[j];
        if (onSegment(p, a, b)) {
            onEdge = true;
            return true;
        }
        if ((a.y > p.y) != (b.y > p.y)) {
            const double xCross = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
            if (p.x < xCross)
                inside = !inside;
        }
    }
    return inside;
}

bool ringsContain(std::span<const MapPoint> vertices, std::span<const std::uint32_t> starts, const MapPoint &p)
{
    bool inside = false;
    for (std::size_t k = 0; k + 1 < starts.size(); ++k) {
        bool onEdge = false;
        if (ringEncloses(vertices.subspan(starts[k], starts[k + 1] - starts[k]), p, onEdge))
            inside = !inside;
        if (onEdge)
            return true;
    }
    return inside;
}

double segmentDistance(const MapPoint &p, const MapPoint &a, const MapPoint &b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = 0;
    if (len2 > 0)
        t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

double distanceToParts(std::span<const MapPoint> vertices, std::span<const std::uint32_t> starts, const MapPoint &p)
{
    double best = std::numeric_limits<double>::infinity();
    for (std::size_t k = 0; k + 1 < starts.size(); ++k) {
        const std::uint32_t begin = starts[k];
        const std::uint32_t end = starts[k + 1];
        if (end == begin)
            continue;
        if (end - begin == 1) {
            best = std::min(best, std::hypot(p.x - vertices[begin].x, p.y - vertices[begin].y));
            continue;
        }
        for (std::uint32_t i = begin + 1; i < end; ++i)
            best = std::min(best, segmentDistance(p, vertices[i - 1], vertices[i]));
    }
    return best;
}

namespace {

MapPoint meanVertex(std::span<const MapPoint> vertices, std::span<const std::uint32_t> starts)
{
    double sx = 0, sy = 0;
    std::size_t n = 0;
    if (!starts.empty()) {
        for (std::uint32_t i = starts.front(); i < starts.back(); ++i, ++n) {
            sx += vertices[i].x;
            sy += vertices[i].y;
        }
    }
    if (n == 0)
        return {std::nan(""), std::nan("")};
    return {sx / double(n), sy / double(n)};
}

} // namespace

MapPoint ringsCentroid(std::span<const MapPoint> vertices, std::span<const std::uint32_t> starts)
{
    // Coordinates relative to the first vertex keep the sums well conditioned.
    if (starts.empty() || starts.front() >= starts.back())
        return meanVertex(vertices, starts);
    const MapPoint origin = vertices[starts.front()];
    double area2 = 0, cx = 0, cy = 0;
    for (std::size_t k = 0; k + 1 < starts.size(); ++k) {
        const std::uint32_t begin = starts[k];
        const std::uint32_t end = starts[k + 1];
        for (std::uint32_t i = begin; i < end; ++i) {
            const std::uint32_t j = (i + 1 < end) ? i + 1 : begin;
            const double x0 = vertices[i].x - origin.x, y0 = vertices[i].y - origin.y;
            const double x1 = vertices[j].x - origin.x, y1 = vertices[j].y - origin.y;
            const double cross = x0 * y1 - x1 * y0;
            area2 += cross;
            cx += (x0 + x1) * cross;
            cy += (y0 + y1) * cross;
        }
    }
    if (area2 == 0)
        return meanVertex(vertices, starts);
    return {origin.x + cx / (3 * area2), origin.y + cy / (3 * area2)};
}

MapPoint linesCentroid(std::span<const MapPoint> vertices, std::span<const std::uint32_t> starts)
{
    double length = 0, cx = 0, cy = 0;
    for (std::size_t k = 0; k + 1 < starts.size(); ++k) {
        for (std::uint32_t i = starts[k] + 1; i < starts[k + 1]; ++i) {
            const MapPoint &a = vertices[i - 1];
            const MapPoint &b = vertices[i];
            const double len = std::hypot(b.x - a.x, b.y - a.y);
            length += len;
            cx += (a.x + b.x) / 2 * len;
            cy += (a.y + b.y) / 2 * len;
        }
    }
    if (length == 0)
        return meanVertex(vertices, starts);
    return {cx / length, cy / length};
}

} // namespace MapGeometry
