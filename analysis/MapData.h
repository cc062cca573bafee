#pragma once
#include "mapping/Classification.h"
#include "mapping/MapLayer.h"

#include <QString>

#include <memory>

// The two layers every analysis reads: the point grid (ALT, MAR, MAT) and
// the country boundaries (NAME), from the ShapeFiles folder of an
// application folder, with the grid's data ranges.
struct MapData {
    std::shared_ptr<MapLayer> canvas;
    std::shared_ptr<MapLayer> boundaries;
    QString folder; // the ShapeFiles folder, with a trailing separator
    GridRanges ranges; // from the folder's sources.txt, else the fixed ranges
    // The province outlines (NAME, COUNTRY, ISO_A2); null when the folder has none.
    std::shared_ptr<MapLayer> provinces;

    // Reads both layers (and the provinces where the folder has them) and the ranges, and makes the ranges the active ones
    // (a command reads one grid). Throws MapError naming the file and the reason.
    static MapData load(const QString &shapeFolder);
    // The application's own ShapeFiles folder.
    static MapData loadApplication();
};
