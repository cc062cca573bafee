#pragma once
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QTreeWidget;
class QTreeWidgetItem;

// The application's top-level windows of one class, or only those showing.
template <typename Window>
QList<Window *> TopLevelWindows(bool showingOnly = false)
{
    QList<Window *> out;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<Window *>(w); window && (!showingOnly || window->isVisible()))
            out << window;
    return out;
}

// The window of that class that `action` opened, or null.
template <typename Window>
Window *Opened(const std::function<void()> &action)
{
    const QList<Window *> before = TopLevelWindows<Window>(true);
    action();
    for (Window *w : TopLevelWindows<Window>(true))
        if (!before.contains(w))
            return w;
    return nullptr;
}

// The texts of a row of a tree or list, column by column ({} past the last row).
QStringList RowTexts(const QTreeWidget *tree, int row);

// The texts of one column (0 the first) of a tree or list, row by row.
QStringList ColumnTexts(const QTreeWidget *tree, int column);

// Processes events until `condition` holds or `timeoutMs` passes; returns whether it held.
bool WaitUntil(const std::function<bool()> &condition, int timeoutMs = 5000);

// Clicks a row of a tree or list as a user would (scrolling it into view first).
void ClickItem(QTreeWidget *tree, QTreeWidgetItem *item, int column = 0);

// The message box a user was shown: its caption, text and number of buttons.
struct ShownMessage {
    bool shown = false;
    QString title, text;
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Watches for the next message box while `action` runs, records it, runs
// `whileShown` (to look at the windows behind it) and presses `button`.
ShownMessage AnswerMessage(const std::function<void()> &action, QMessageBox::StandardButton button = QMessageBox::Ok,
                           const std::function<void()> &whileShown = {});

// The same, returning only the text ("" when no box appeared).
QString AnswerMessageBox(const std::function<void()> &action, QMessageBox::StandardButton button = QMessageBox::Ok);

// Types `text` into `widget` one key press per character, any script (QTest::keyClicks takes Latin-1 only).
void TypeText(QWidget *widget, const QString &text);

// Presses, moves by `offset` (relative to the press point) and releases the left button on `widget`.
void DragBy(QWidget *widget, QPoint offset);
