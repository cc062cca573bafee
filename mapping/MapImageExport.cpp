#include "mapping/MapImageExport.h"

#include "controls/ShowError.h"
#include "mapping/MapControl.h"
#include "mapping/MapError.h"

#include <QFileDialog>
#include <QMessageBox>

SaveDialogRunner ModalSaveDialog()
{
    return [](QFileDialog &dialog) { return dialog.exec() == QDialog::Accepted; };
}

QString BitmapFilter() { return QStringLiteral("Windows Bitmaps (*.bmp)"); }
QString PngFilter() { return QStringLiteral("PNG Pictures with source stamp (*.png)"); }

QString SaveMapPicture(QWidget *window, MapControl *map, const QString &proposedName, const SaveDialogRunner &run,
                       const PictureStamp &stamp)
{
    QFileDialog dialog(window, QStringLiteral("Export Bitmap"));
    dialog.setObjectName(QStringLiteral("cdlSaveAs"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({BitmapFilter(), PngFilter()});
    dialog.selectNameFilter(BitmapFilter());
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
        dialog.setDefaultSuffix(filter == PngFilter() ? QStringLiteral("png") : QStringLiteral("bmp"));
    });
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.selectFile(proposedName + QStringLiteral(".bmp"));
    if (!run(dialog))
        return QString();
    const QStringList chosen = dialog.selectedFiles();
    const QString file = chosen.isEmpty() ? QString() : chosen.first();
    if (file.isEmpty() || QFileInfo(file).fileName().isEmpty())
        return QString();
    const bool png = file.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) ||
                     (dialog.selectedNameFilter() == PngFilter() && QFileInfo(file).suffix().isEmpty());
    try {
        if (png)
            WritePngFile(StampedPicture(map->render(map->size() * 2, 2), stamp), file);
        else
            map->exportMap(1, file, 2);
    } catch (const MapError &e) {
        ShowError(window, QStringLiteral("Export Bitmap"), e);
        return QString();
    }
    return file;
}
