#pragma once
#include "mapping/MapLayer.h"

#include <QString>

#include <memory>

// The two layers every analysis reads: the point grid (ALT, MAR, MAT) and
// the country boundaries (NAME), from the ShapeFiles folder of an
// application folder.
struct MapData {
    std::shared_ptr<MapLayer> canvas;
    std::shared_ptr<MapLayer> boundaries;
    QString folder; // the ShapeFiles folder, with a trailing separator

    // Reads both layers; throws MapError naming the file and the reason.
    static MapData load(const QString &shapeFolder);
    // The application's own ShapeFiles folder.
    static MapData loadApplication();
};
