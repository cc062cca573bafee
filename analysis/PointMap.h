#pragma once
#include "analysis/MapData.h"
#include "mapping/MapLayers.h"
#include "mapping/MapSources.h"
#include "mapping/MapSymbol.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPair>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

// One class of grid points drawn in one colour, with its legend caption.
struct PointClassLayer {
    QString caption;
    QColor colour;
    std::vector<std::uint32_t> points;
};

// A map picture: the country boundaries, classes of grid points drawn in
// order (the last on top), a legend, and a source stamp written in the
// picture and kept as the image's texts (PNG text chunks).
struct PointMapRequest {
    QSize size{1000, 750};            // of the whole picture, stamp included
    MapExtent extent;                 // invalid: the layers' full extent
    QString title;
    std::vector<PointClassLayer> classes;
    PictureStamp stamp; // key and text, in order
};

QImage RenderPointMap(const MapData &data, const PointMapRequest &request);
// The map part alone: the boundaries and the classes over `extent` (invalid:
// the layers' full extent) in an image of `size`, without legend or stamp.
QImage RenderPointClasses(const MapData &data, const std::vector<PointClassLayer> &classes, const MapExtent &extent, QSize size);
// The size of a picture whose map part is `mapSize`, with room below for the
// stamp's lines.
QSize PictureSizeAround(const QSize &mapSize, const PictureStamp &stamp);

// The side in pixels of a grid point's square that fills the space to its
// neighbours at this scale (1 to 64).
int GridMarkerPixels(const MapLayer &canvas, double unitsPerPixel);

// The grid of `data` under its country boundaries (AddGridLayers), on
// layers of this map's own.
void AddMapDataLayers(MapLayers &layers, const MapData &data);
// Draws the classes in order, the last on top, as squares in their colours
// that fill the space between the grid's points at this scale, each class
// handed to `draw` (a map painter's, or a map window's drawing).
using RecordSetDrawing = std::function<void(const MapRecordSet &records, const MapSymbol &symbol)>;
void DrawPointClasses(const MapLayer &canvas, const std::vector<PointClassLayer> &classes, double unitsPerPixel,
                      const RecordSetDrawing &draw);

// Saves the picture as PNG (with its texts) or Windows bitmap, by the file's
// extension, through a temporary file so an existing file survives a failure.
// Throws MapError naming the file and the reason.
void SaveMapPicture(const QImage &image, const QString &path);
// True for a file name ending in .png or .bmp (any case).
bool IsMapPictureName(const QString &path);
