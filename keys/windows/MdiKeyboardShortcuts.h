#pragma once
#include <QObject>

class QMdiArea;
class QMdiSubWindow;

// The keyboard commands users of multiple-document windows expect: Ctrl+F6
// activates the next child window and Ctrl+F4 closes the active one, wherever
// the focus is in the main window. QMdiArea itself only switches children on
// Ctrl+Tab, and a child's own close command fires only while the focus is
// inside that child; so the two keys become shortcuts of the area, and the
// children give up Ctrl+F4 to avoid two shortcuts on one key.
class MdiKeyboardShortcuts : public QObject {
    Q_OBJECT
public:
    // Installs the shortcuts on `area`, which owns the returned object.
    explicit MdiKeyboardShortcuts(QMdiArea *area);

private:
    void leaveCloseKeyToArea(QMdiSubWindow *child);
};
