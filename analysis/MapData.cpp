#include "analysis/MapData.h"

#include "base/ApplicationFolder.h"
#include "mapping/GridDataRanges.h"

#include <QFileInfo>

MapData MapData::load(const QString &shapeFolder)
{
    MapData data;
    data.folder = shapeFolder.endsWith(QLatin1Char('/')) ? shapeFolder : shapeFolder + QLatin1Char('/');
    data.canvas = MapLayer::fromFile(data.folder + QStringLiteral("pasia_canvas.shp"));
    data.boundaries = MapLayer::fromFile(data.folder + QStringLiteral("country_bnd.shp"));
    if (QFileInfo::exists(data.folder + QStringLiteral("province_bnd.shp")))
        data.provinces = MapLayer::fromFile(data.folder + QStringLiteral("province_bnd.shp"));
    data.ranges = ReadGridRanges(data.folder);
    SetGridDataRanges(data.ranges);
    return data;
}

MapData MapData::loadApplication()
{
    return load(ApplicationPath(QStringLiteral("\\ShapeFiles\\")));
}
