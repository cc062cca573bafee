#pragma once
#include <QWidget>

// Stands in for a window of a later release: its caption and one line saying so.
class PlaceholderWindow : public QWidget {
    Q_OBJECT
public:
    PlaceholderWindow(const QString &objectName, const QString &caption, QWidget *parent = nullptr);
};
