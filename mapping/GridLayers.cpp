#include "mapping/GridLayers.h"

const QColor MapBackColour(198, 224, 242);
const QColor LandColour(255, 255, 255);

void AddGridLayers(MapLayers &layers, std::shared_ptr<const ShapeLayer> grid,
                   const std::function<std::shared_ptr<const ShapeLayer>()> &boundaries)
{
    auto canvas = std::make_shared<MapLayer>(std::move(grid));
    canvas->setVisible(false);
    layers.add(canvas);
    if (auto countries = boundaries()) {
        auto layer = std::make_shared<MapLayer>(std::move(countries));
        layer->setColor(LandColour);
        layers.add(layer);
    } else {
        canvas->setVisible(true);
        canvas->setColor(LandColour);
    }
}
