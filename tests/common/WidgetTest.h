#pragma once
#include <QMessageBox>
#include <QString>

#include <functional>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// Processes events until `condition` holds or `timeoutMs` passes; returns whether it held.
bool WaitUntil(const std::function<bool()> &condition, int timeoutMs = 5000);

// Clicks a row of a tree or list as a user would (scrolling it into view first).
void ClickItem(QTreeWidget *tree, QTreeWidgetItem *item, int column = 0);

// Watches for the next message box while `action` runs, records its text and
// presses `button`. Returns the text ("" when no box appeared).
QString AnswerMessageBox(const std::function<void()> &action, QMessageBox::StandardButton button = QMessageBox::Ok);

// Types `text` into `widget` one key press per character, any script (QTest::keyClicks takes Latin-1 only).
void TypeText(QWidget *widget, const QString &text);

// Presses, moves by `offset` (relative to the press point) and releases the left button on `widget`.
void DragBy(QWidget *widget, QPoint offset);
