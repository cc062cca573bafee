#pragma once
#include "mapping/MapLayers.h"

#include <QColor>

#include <functional>
#include <memory>

// The background of every map: the sea and whatever lies off the land.
extern const QColor MapBackColour;
// The land: the country boundaries, or the grid's points where there are none.
extern const QColor LandColour;

// The layers of a map of grid points in classes (the suitability and the
// analysis maps, on screen and in pictures): the point grid at the bottom and
// over it the country boundaries in LandColour. The grid is hidden under the
// boundaries; its classes are drawn on its points after the top layer is
// drawn. Without boundaries the grid itself is drawn in LandColour, so the
// land still shows and the classes still have a layer to be drawn after.
//
// `boundaries` is asked for them once the grid is added: null means none. An
// error it throws goes on to the caller, the grid staying added and hidden.
void AddGridLayers(MapLayers &layers, std::shared_ptr<const ShapeLayer> grid,
                   const std::function<std::shared_ptr<const ShapeLayer>()> &boundaries);
