#include "controls/SaveDialog.h"

#include <QFileDialog>
#include <QFileInfo>

SaveDialogRunner ModalSaveDialog()
{
    return [](QFileDialog &dialog) { return dialog.exec() == QDialog::Accepted; };
}

void PrepareSaveDialog(QFileDialog &dialog, const QStringList &filters, const QString &suffix, const QString &proposedFile)
{
    dialog.setObjectName(QStringLiteral("cdlSaveAs"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(0));
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.selectFile(proposedFile);
}

QString ChosenSaveFile(QFileDialog &dialog, const SaveDialogRunner &run)
{
    if (!run(dialog))
        return QString();
    const QString file = dialog.selectedFiles().value(0);
    return QFileInfo(file).fileName().isEmpty() ? QString() : file;
}
