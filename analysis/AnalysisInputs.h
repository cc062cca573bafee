#pragma once
#include "analysis/CellArea.h"
#include "analysis/CountryAssignment.h"
#include "analysis/GridClimate.h"
#include "analysis/MapData.h"
#include "analysis/SpeciesCount.h"

#include <QString>

#include <memory>
#include <optional>

// What the analysis windows ask of the application folder's maps, read once
// and kept while the files stay unchanged: both layers with the grid's data
// ranges (maps().ranges, from its sources.txt), the grid's climate
// and cell areas, the species-count grid and the countries of the grid
// points, each prepared on first use. The boundary layer may be missing: the
// analyses then count every point outside the boundaries and say why.
class AnalysisInputs {
public:
    // The inputs of the application's ShapeFiles folder. Throws MapError
    // naming the file when the grid cannot be read.
    static std::shared_ptr<const AnalysisInputs> ofApplication();
    // The same for any ShapeFiles folder.
    static std::shared_ptr<const AnalysisInputs> of(const QString &shapeFolder);

    const MapData &maps() const { return m_maps; } // boundaries null when missing
    bool hasBoundaries() const { return m_maps.boundaries != nullptr; }
    // Why the boundaries are missing or name no countries ("" when they are
    // fine; known after countries()).
    const QString &boundariesError() const { return m_boundariesError; }

    const GridClimate &climate() const;
    const GridCells &cells() const; // throws MapError for a layer that is not a grid
    const SpeciesCountGrid &countGrid() const;
    // Every point outside the boundaries when they are missing or unusable.
    const CountryAssignment &countries() const;
    // The provinces of the grid points (ProvinceAssignment.h); null when the
    // folder has no province layer. Throws MapError for an unusable layer.
    std::shared_ptr<const CountryAssignment> provinces() const;

private:
    MapData m_maps;
    mutable QString m_boundariesError;
    mutable std::optional<GridClimate> m_climate;
    mutable std::optional<GridCells> m_cells;
    mutable std::optional<SpeciesCountGrid> m_countGrid;
    mutable std::shared_ptr<const CountryAssignment> m_countries;
};
