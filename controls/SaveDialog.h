#pragma once
#include <QString>
#include <QStringList>

#include <functional>

class QFileDialog;

// Runs a configured save dialog and returns whether the user accepted it.
// Windows use the real dialog; tests put in one that answers for the user.
using SaveDialogRunner = std::function<bool(QFileDialog &)>;
SaveDialogRunner ModalSaveDialog();

// Sets up a save dialog as every window shows it: Qt's own dialog (which asks
// before replacing a file), `filters` with the first chosen, `suffix` added to
// a bare name, and `proposedFile` filled in.
void PrepareSaveDialog(QFileDialog &dialog, const QStringList &filters, const QString &suffix, const QString &proposedFile);
// Runs the dialog; the file chosen, or "" when the user cancels or names no file.
QString ChosenSaveFile(QFileDialog &dialog, const SaveDialogRunner &run);
