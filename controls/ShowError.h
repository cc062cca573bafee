#pragma once
#include <QString>

#include <exception>

class QWidget;

// Tells the user about a failure: a warning box owned by `parent`, with the
// caption and the error's text (ErrorText: the core Error's message).
void ShowError(QWidget *parent, const QString &caption, const std::exception &error);
void ShowError(QWidget *parent, const QString &caption, const QString &text);

// Tells the user why the program cannot go on: a critical box of its own.
void ShowFatalError(const QString &caption, const std::exception &error);
