#pragma once
#include "analysis/MapClasses.h"
#include "cli/RowOutput.h"
#include "mapping/MapSources.h"

#include <QString>

class ShapeLayer;

// Maps and area rows as files a GIS opens, written through GDAL (linked into
// the command line only). Each file is written beside its target and put in
// its place only when whole (GdalOutputFile). Throws CliFailure: a data error
// for a grid that cannot be written so, "not written" (any old file kept)
// for a file that cannot.

// What a map's GIS file holds: a whole number per grid point, with the
// names and colours the picture gives them, and the picture's title and stamp.
struct GisMap {
    QString title;
    PictureStamp stamp;
    GridValues values;
};

// The numbers as one band on the grid's own lattice (its step and extent,
// EPSG:4326), no data where no grid point lies (the sea), with a colour table
// and category names, and the stamp as the file's metadata.
void WriteGeoTiff(const ShapeLayer &grid, const GisMap &map, const QString &path);

// One point layer, named after the file: per grid point, in the grid's
// order, its number (field `values.field`), class_name, ALT, MAR and MAT;
// the title as the layer's description and the stamp as its metadata.
void WritePointGeoPackage(const ShapeLayer &grid, const GisMap &map, const QString &path);

// The countries of the boundary shapefile (the features of one NAME making
// one country) whose name begins a row of `rows`, as multipolygons with the
// rows' columns as fields ("Land km2" becomes land_km2, "ALT %" alt_pct),
// each value rounded as the rows print it; the title as the layer's
// description and the stamp as its metadata.
void WriteCountryGeoPackage(const QString &boundaries, const Rows &rows, const QString &title, const PictureStamp &stamp,
                            const QString &path);
