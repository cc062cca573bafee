#pragma once
#include <QString>

#include <exception>

class QWidget;

// Tells the user about a failure: a warning box owned by `parent`, with the
// caption and the error's text (ErrorText).
void ShowError(QWidget *parent, const QString &caption, const std::exception &error);
void ShowError(QWidget *parent, const QString &caption, const QString &text);
