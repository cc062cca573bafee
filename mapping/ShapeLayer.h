#pragma once
#include "mapping/AttributeTable.h"
#include "mapping/MapShape.h"
#include "mapping/SpatialIndex.h"

#include <QString>

#include <memory>
#include <span>

// The content of one shapefile, read once and never changed: geometry,
// attributes by column and a spatial index. Maps share it through
// shared_ptr; a MapLayer adds what belongs to one map (visibility, colour).
//
// Point layers keep x and y in two arrays; lines and polygons keep all
// vertices in one array, with part and feature offsets into it.
class ShapeLayer {
public:
    // Reads `path` (the .shp, with its .shx and .dbf beside it), or hands back
    // the copy already in memory when the files have not changed since.
    // Throws MapError naming the file and the reason when a file is missing,
    // truncated or corrupt.
    static std::shared_ptr<const ShapeLayer> open(const QString &path);
    // Reads the files afresh, bypassing the shared copies.
    static std::shared_ptr<const ShapeLayer> read(const QString &path);

    const QString &path() const { return m_path; }
    // 21 point (also multipoint), 22 line, 23 polygon.
    int shapeType() const { return m_shapeType; }
    std::uint32_t featureCount() const { return m_featureCount; }
    const MapExtent &extent() const { return m_extent; }
    const AttributeTable &attributes() const { return m_attributes; }
    const SpatialIndex &index() const { return m_index; }

    // Point layers (one point per feature; NaN for a null shape).
    bool hasPointArrays() const { return m_pointArrays; }
    std::span<const double> xs() const { return m_x; }
    std::span<const double> ys() const { return m_y; }

    // Parts of a feature of any other layer: vertices of part k are
    // vertices()[partStarts()[k] .. partStarts()[k+1]).
    std::uint32_t firstPart(std::uint32_t feature) const { return m_featurePart[feature]; }
    std::uint32_t endPart(std::uint32_t feature) const { return m_featurePart[feature + 1]; }
    const std::vector<MapPoint> &vertices() const { return m_vertices; }
    const std::vector<std::uint32_t> &partStarts() const { return m_partStart; }

    bool isNullShape(std::uint32_t feature) const;
    MapExtent featureExtent(std::uint32_t feature) const;
    // A copy of the feature's geometry (the "Shape" field of a record).
    MapShape shape(std::uint32_t feature) const;
    // Polygons: the feature contains p (even-odd over its rings, edges inside).
    bool featureContains(std::uint32_t feature, const MapPoint &p) const;
    // Distance from p to the feature (0 inside a polygon).
    double featureDistance(std::uint32_t feature, const MapPoint &p) const;

    // Bytes held in memory by geometry, attributes and index.
    std::size_t memoryBytes() const;

private:
    friend class ShapefileReader;
    void buildIndex();

    QString m_path;
    int m_shapeType = ShapeTypePoint;
    std::uint32_t m_featureCount = 0;
    MapExtent m_extent;
    AttributeTable m_attributes;
    SpatialIndex m_index;

    bool m_pointArrays = true;
    LargeArray<double> m_x, m_y;

    std::vector<std::uint32_t> m_featurePart{0};
    std::vector<std::uint32_t> m_partStart{0};
    std::vector<MapPoint> m_vertices;
    std::vector<MapExtent> m_partBox;
};
