#pragma once
#include "mapping/MapExtent.h"

#include <cstdint>
#include <span>

// Geometry on flat vertex arrays, shared by the layer's compact storage and
// by MapShape. A feature is a list of parts; part k spans the vertices
// [starts[k], starts[k+1]).
namespace MapGeometry {

// Crossing parity of a ray from p towards +x over one closed ring: true when
// the ring encloses p. Sets onEdge when p lies on one of its edges.
bool ringEncloses(std::span<const MapPoint> ring, const MapPoint &p, bool &onEdge);

// Even-odd containment over all rings (a point on an edge counts as inside).
bool ringsContain(std::span<const MapPoint> vertices, std::span<const std::uint32_t> starts, const MapPoint &p);

// Distance from p to the nearest segment of the polylines (to the vertex of a
// one-vertex part).
double distanceToParts(std::span<const MapPoint> vertices, std::span<const std::uint32_t> starts, const MapPoint &p);

// Area-weighted centroid of rings whose orientation gives their sign (holes
// run the other way round than outer rings). Falls back to the mean vertex
// when the rings have no area.
MapPoint ringsCentroid(std::span<const MapPoint> vertices, std::span<const std::uint32_t> starts);

// Length-weighted centre of the segments; the mean vertex when they have no length.
MapPoint linesCentroid(std::span<const MapPoint> vertices, std::span<const std::uint32_t> starts);

double segmentDistance(const MapPoint &p, const MapPoint &a, const MapPoint &b);

} // namespace MapGeometry
