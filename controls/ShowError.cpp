#include "controls/ShowError.h"

#include "base/Error.h"

#include <QMessageBox>

void ShowError(QWidget *parent, const QString &caption, const std::exception &error)
{
    ShowError(parent, caption, ErrorText(error));
}

void ShowError(QWidget *parent, const QString &caption, const QString &text)
{
    QMessageBox::warning(parent, caption, text);
}

void ShowFatalError(const QString &caption, const std::exception &error)
{
    QMessageBox::critical(nullptr, caption, ErrorText(error));
}
