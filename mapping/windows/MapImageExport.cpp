#include "mapping/windows/MapImageExport.h"

#include "controls/ShowError.h"
#include "mapping/windows/MapControl.h"
#include "mapping/MapError.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

QString BitmapFilter() { return QCoreApplication::translate("MapImageExport", "Windows Bitmaps (*.bmp)"); }
QString PngFilter() { return QCoreApplication::translate("MapImageExport", "PNG Pictures with source stamp (*.png)"); }

QString SaveMapPicture(QWidget *window, MapControl *map, const QString &proposedName, const SaveDialogRunner &run,
                       const std::function<PictureStamp()> &stampOfDrawing)
{
    QFileDialog dialog(window, QCoreApplication::translate("MapImageExport", "Export Bitmap"));
    PrepareSaveDialog(dialog, {BitmapFilter(), PngFilter()}, QStringLiteral("bmp"), proposedName + QStringLiteral(".bmp"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
        dialog.setDefaultSuffix(filter == PngFilter() ? QStringLiteral("png") : QStringLiteral("bmp"));
    });
    const QString file = ChosenSaveFile(dialog, run);
    if (file.isEmpty())
        return QString();
    const bool png = file.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) ||
                     (dialog.selectedNameFilter() == PngFilter() && QFileInfo(file).suffix().isEmpty());
    try {
        if (png) {
            const QImage view = map->render(map->size() * 2, 2);
            WritePngFile(StampedPicture(view, stampOfDrawing ? stampOfDrawing() : PictureStamp()), file);
        } else
            map->exportMap(1, file, 2);
    } catch (const MapError &e) {
        ShowError(window, QCoreApplication::translate("MapImageExport", "Export Bitmap"), e);
        return QString();
    }
    return file;
}
