#pragma once
#include <QMap>
#include <QString>

// The data folder's own description of where its layers come from: the file
// "sources.txt" in the ShapeFiles folder, one "layer = text" a line ('#'
// starts a comment), the layer named by its file name without extension.
// Its "data range FIELD" lines are the grid's data ranges (mapping/GridDataRanges.h).
QMap<QString, QString> ReadLayerSources(const QString &shapeFolder);

// The source text of a layer, or a note that the folder does not describe it.
QString LayerSource(const QMap<QString, QString> &sources, const QString &layer);
