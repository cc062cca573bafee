#pragma once
#include "cli/GridRaster.h"
#include "mapping/Classification.h"
#include "mapping/GridPointWriter.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <optional>

class FolderBuild;

// A grid folder (an application's ShapeFiles): the point grid
// pasia_canvas.shp (.shx, .dbf, .prj, .cpg), the boundaries country_bnd.shp
// and sources.txt, written by grid build and grid fetch alike.

// The bundled grid's extent and step: 89..146 E, 13 S..31 N, 5 arc minutes.
GridFrame BundledGridFrame();

// What a grid folder is built from.
struct GridFolderRequest {
    GridFrame frame;
    RasterInput inputs[3]; // ALT, MAR, MAT
    QString output;        // the folder replaced at the end
    QString countries;     // new boundaries (any OGR source), or empty: the folder's own
    QString nameField = QStringLiteral("NAME");
    QString boundariesFrom; // without either: a folder whose country_bnd.* are copied in
    QString climate;        // what the grid's climate is, said in its source line
    QStringList notes;      // further "key = text" lines of sources.txt
};

// Refuses, before any work, a frame whose cells could pass the shapefile
// format's limits (a data error) and an output holding folders, which the
// build would not keep (not written). Throws CliFailure.
void CheckGridRequest(const GridFolderRequest &request);

// Builds the grid and its boundaries in a fresh folder beside the output and
// puts it in place of the output at the end, keeping the output's other
// files; returns the number of points. Throws CliFailure.
std::size_t BuildGridFolder(const GridFolderRequest &request);

// The pieces a grid of points on another grid's cells shares with it.
// Writes `count` points, the i-th given by `pointAt(i)`, into the folder's
// pasia_canvas.shp; returns their data ranges.
GridRanges WriteGridPoints(const FolderBuild &folder, std::size_t count,
                           const std::function<GridPointWriter::Point(std::size_t)> &pointAt);
// The grid's .prj (geographic WGS 84) and .cpg (UTF-8).
void WriteGridFormatFiles(const FolderBuild &folder);
// Writes a file of the folder; a failure is "not written".
void WriteGridText(const QString &path, const QString &text);

// The line of sources.txt that gives the grid's cells, so that a grid on the
// same points can be built later: "grid frame = W,S,E,N step MINUTES".
// ParseGridFrame gives nothing for a frame the options would refuse.
QString GridFrameLine(const GridFrame &frame);
std::optional<GridFrame> ParseGridFrame(const QString &sourcesText);
