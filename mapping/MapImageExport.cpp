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

QString SaveMapPicture(QWidget *window, MapControl *map, const QString &proposedName, const SaveDialogRunner &run)
{
    QFileDialog dialog(window, QStringLiteral("Export Bitmap"));
    dialog.setObjectName(QStringLiteral("cdlSaveAs"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Windows Bitmaps (*.bmp)"));
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.selectFile(proposedName + QStringLiteral(".bmp"));
    if (!run(dialog))
        return QString();
    const QStringList chosen = dialog.selectedFiles();
    const QString file = chosen.isEmpty() ? QString() : chosen.first();
    if (file.isEmpty() || QFileInfo(file).fileName().isEmpty())
        return QString();
    try {
        map->exportMap(1, file, 2);
    } catch (const MapError &e) {
        ShowError(window, QStringLiteral("Export Bitmap"), e);
        return QString();
    }
    return file;
}
