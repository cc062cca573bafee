#include "analysis/AnalysisInputs.h"

#include "base/ApplicationFolder.h"
#include "mapping/GridDataRanges.h"
#include "mapping/MapError.h"
#include "analysis/ProvinceAssignment.h"

#include <QFileInfo>

std::shared_ptr<const AnalysisInputs> AnalysisInputs::ofApplication()
{
    return of(ApplicationPath(QStringLiteral("\\ShapeFiles\\")));
}

std::shared_ptr<const AnalysisInputs> AnalysisInputs::of(const QString &shapeFolder)
{
    const QString folder = shapeFolder.endsWith(QLatin1Char('/')) ? shapeFolder : shapeFolder + QLatin1Char('/');
    // The shapefile reader hands back its shared copy while the files are
    // unchanged, so the same grid and boundaries mean the same inputs.
    auto canvas = MapLayer::fromFile(folder + QStringLiteral("pasia_canvas.shp"));
    std::shared_ptr<MapLayer> boundaries;
    QString boundariesError;
    try {
        boundaries = MapLayer::fromFile(folder + QStringLiteral("country_bnd.shp"));
    } catch (const MapError &e) {
        boundariesError = e.message();
    }
    const GridRanges ranges = ReadGridRanges(folder);
    static std::shared_ptr<const AnalysisInputs> last;
    if (last && last->m_maps.folder == folder && last->m_maps.canvas->data() == canvas->data() &&
        last->m_maps.ranges == ranges &&
        (last->m_maps.boundaries ? last->m_maps.boundaries->data() : nullptr) == (boundaries ? boundaries->data() : nullptr))
        return last;
    auto inputs = std::make_shared<AnalysisInputs>();
    inputs->m_maps = {canvas, boundaries, folder, ranges, nullptr};
    try {
        if (QFileInfo::exists(folder + QStringLiteral("province_bnd.shp")))
            inputs->m_maps.provinces = MapLayer::fromFile(folder + QStringLiteral("province_bnd.shp"));
    } catch (const MapError &) {
        // Without a readable province layer the windows offer areas by country only.
    }
    inputs->m_boundariesError = boundariesError;
    last = inputs;
    return inputs;
}

const GridClimate &AnalysisInputs::climate() const
{
    if (!m_climate)
        m_climate = GridClimate::read(*m_maps.canvas->data());
    return *m_climate;
}

const GridCells &AnalysisInputs::cells() const
{
    if (!m_cells)
        m_cells = GridCells::of(*m_maps.canvas->data());
    return *m_cells;
}

const SpeciesCountGrid &AnalysisInputs::countGrid() const
{
    if (!m_countGrid)
        m_countGrid.emplace(climate());
    return *m_countGrid;
}

const CountryAssignment &AnalysisInputs::countries() const
{
    if (!m_countries) {
        if (hasBoundaries()) {
            try {
                m_countries = CountryAssignment::of(m_maps.canvas->data(), m_maps.boundaries->data());
            } catch (const MapError &e) {
                m_boundariesError = e.message(); // not polygons, or no NAME: no countries to name
            }
        }
        if (!m_countries) {
            auto none = std::make_shared<CountryAssignment>();
            none->index.assign(m_maps.canvas->data()->featureCount(), none->outside());
            m_countries = none;
        }
    }
    return *m_countries;
}

std::shared_ptr<const CountryAssignment> AnalysisInputs::provinces() const
{
    if (!m_maps.provinces)
        return nullptr;
    return ProvincesOf(m_maps.canvas->data(), m_maps.provinces->data());
}
