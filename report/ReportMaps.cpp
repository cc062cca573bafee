#include "analysis/PointMap.h"
#include "mapping/MapViewport.h"
#include "mapping/SpeciesRanges.h"
#include "report/SiteFacts.h"

#include <QPainter>

namespace {

// The small maps: wide enough to show the site's region, drawn at about 200
// dots per inch for the 5 cm a species' map takes on the page and the 9 cm of
// the species count map.
constexpr QSize SmallMapPixels{480, 330};
constexpr QSize CountMapPixels{720, 495};
constexpr double SmallMapDegrees = 8;

// A ring with a cross at the site, dark over a white halo so it shows on
// every class colour.
void markSite(QImage &map, const MapExtent &extent, const MapPoint &site)
{
    const MapViewport viewport(extent, map.size());
    const QPointF at = viewport.toPixel(site);
    const double r = map.width() / 40.0;
    QPainter p(&map);
    p.setRenderHint(QPainter::Antialiasing);
    for (const auto &[colour, width] : {std::pair{QColor(Qt::white), r / 2}, std::pair{QColor(200, 0, 0), r / 4}}) {
        p.setPen(QPen(colour, width));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(at, r, r);
        p.drawLine(at - QPointF(2 * r, 0), at - QPointF(r, 0));
        p.drawLine(at + QPointF(r, 0), at + QPointF(2 * r, 0));
        p.drawLine(at - QPointF(0, 2 * r), at - QPointF(0, r));
        p.drawLine(at + QPointF(0, r), at + QPointF(0, 2 * r));
    }
}

QImage siteMap(const SiteReportSources &sources, const std::vector<PointClassLayer> &classes, const MapPoint &site, QSize pixels)
{
    const MapExtent extent = SiteMapExtent(site, SmallMapDegrees, SmallMapDegrees * pixels.height() / pixels.width());
    QImage map = RenderPointClasses(sources.maps, classes, extent, pixels).convertToFormat(QImage::Format_RGB32);
    markSite(map, extent, site);
    return map;
}

} // namespace

MapExtent SiteMapExtent(const MapPoint &site, double width, double height)
{
    return MapExtent(site.x - width / 2, site.y - height / 2, site.x + width / 2, site.y + height / 2);
}

QImage SiteSuitabilityMap(const SiteReportSources &sources, const SpeciesRangeRow &species, const MapPoint &site)
{
    const Bounds bounds = ReadSpeciesRanges(QString::number(species.spId)).bounds;
    return siteMap(sources, SuitabilityClassLayers(sources.maps, bounds), site, SmallMapPixels);
}

QImage SiteCountMap(const SiteReportSources &sources, const std::vector<PointClassLayer> &classes, const MapPoint &site)
{
    return siteMap(sources, classes, site, CountMapPixels);
}
