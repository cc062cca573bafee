#pragma once
#include <QList>
#include <QString>
#include <QToolBar>

class QAction;

// The toolbar of a map window: an empty slot at the left, a group of tools,
// then command buttons. Buttons are known by their keys ("k1" ...).
class MapToolbar : public QToolBar {
    Q_OBJECT
public:
    struct Button {
        QString key;
        const char *tooltip; // untranslated, in the context "MapToolbar"
        bool tool; // one of the pressed-or-released group, else a command
    };
    // How a click on the pressed tool acts: it stays pressed (until another
    // tool or releaseTools), or it is released, leaving no tool pressed.
    enum class PressedToolClick { KeepsIt, ReleasesIt };
    MapToolbar(const QList<Button> &buttons, PressedToolClick pressedToolClick, QWidget *parent = nullptr);

    QAction *button(const QString &key) const;
    // The first tool button pressed, in toolbar order, or "".
    QString pressedTool() const;
    // Shows every tool button released.
    void releaseTools();

signals:
    void buttonClicked(const QString &key);
};

// The buttons of the single-species map window and of the comparison window.
QList<MapToolbar::Button> MapWindowButtons();
QList<MapToolbar::Button> ComparisonButtons();
// Zoom In, Zoom Out, Pan and Full Extent, for maps that only show a result;
// with a point tool, also "k5" with its tooltip (what a click on the map tells).
QList<MapToolbar::Button> NavigationButtons(const char *pointTool = nullptr);
