#pragma once
#include "controls/SaveDialog.h"
#include "mapping/MapSources.h"

#include <QString>
#include <QStringList>

#include <functional>

class MapControl;
class QFileDialog;
class QWidget;

// Asks where to save the map picture ("Export Bitmap", Windows bitmaps,
// proposing `proposedName` + ".bmp", asking before replacing a file) and saves
// the map's current extent at twice its size. Cancel or an empty name end it
// silently; a failed export shows a message naming the file and the reason,
// and leaves any existing file as it was. Returns the file written, or "".
// The dialog also offers PNG pictures: the same view with the stamp's lines
// below it, kept as the file's texts too; bitmaps stay the first choice.
// `stampOfDrawing` is asked for the stamp only after the picture is drawn, so
// it can describe what that drawing used (the ranges it wrote into the boxes).
QString SaveMapPicture(QWidget *window, MapControl *map, const QString &proposedName, const SaveDialogRunner &run,
                       const std::function<PictureStamp()> &stampOfDrawing = {});

// The filters of that dialog.
QString BitmapFilter(); // "Windows Bitmaps (*.bmp)"
QString PngFilter();    // "PNG Pictures with source stamp (*.png)"
