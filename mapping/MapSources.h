#pragma once
#include <QDate>
#include <QImage>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

// Where a map's layers come from, and the stamp a saved map picture carries.

// The data folder's own description of where its layers come from: the file
// "sources.txt" in the ShapeFiles folder, one "layer = text" a line ('#'
// starts a comment), the layer named by its file name without extension.
// Its "data range FIELD" lines are the grid's data ranges (mapping/GridDataRanges.h).
QMap<QString, QString> ReadLayerSources(const QString &shapeFolder);
// The same from the file's text.
QMap<QString, QString> ParseLayerSources(const QString &text);

// The source text of a layer, or a note that the folder does not describe it.
QString LayerSource(const QMap<QString, QString> &sources, const QString &layer);

// A picture's stamp: key and text, in order ("Species", "Ranges", ...).
using PictureStamp = QList<QPair<QString, QString>>;

// The entries every map picture's stamp ends with: the sources of the
// boundary and grid layers of the ShapeFiles folder, the citation and terms
// of use of its data when its sources.txt gives them ("citation = ...",
// "terms = ..."), the program with its version ("silvaria 2.0.5128"), and
// today's date.
PictureStamp SourceStampOf(const QString &shapeFolder, const QString &program);
// The day a picture is made: today, or the day of SOURCE_DATE_EPOCH (seconds
// since 1970, UTC) when it is set, so that pictures made again come out the same.
QDate StampDate();

// The pixel size of the stamp's lettering for a picture `height` pixels high.
int StampFontPixels(int height);
// The height in pixels the stamp's lines take below a map `width` pixels
// wide, a line's height of margin included.
int StampHeight(const PictureStamp &stamp, int fontPixels, int width);
// Writes the stamp's lines into the picture from `top` down, each entry
// ("Key: text") wrapped at word boundaries so no text is cut short, and keeps
// each entry as the image's text (PNG text chunks).
void DrawStamp(QImage &picture, int top, int fontPixels, const PictureStamp &stamp);
// A map drawn elsewhere (a map window's view) with the stamp's lines added below it.
QImage StampedPicture(const QImage &map, const PictureStamp &stamp);

// Writes the image as PNG, with its texts, through a temporary file beside
// the target, so a failure leaves any existing file as it was. Throws
// MapError naming the file and the reason.
void WritePngFile(const QImage &image, const QString &path);
