#include "tests/common/WidgetTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

bool WaitUntil(const std::function<bool()> &condition, int timeoutMs) { return QTest::qWaitFor(condition, timeoutMs); }

void ClickItem(QTreeWidget *tree, QTreeWidgetItem *item, int column)
{
    tree->scrollToItem(item);
    const QRect rect = tree->visualItemRect(item);
    QPoint at = rect.center();
    if (column > 0)
        at.setX(tree->header()->sectionViewportPosition(column) + 4);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

ShownMessage AnswerMessage(const std::function<void()> &action, QMessageBox::StandardButton button,
                           const std::function<void()> &whileShown)
{
    ShownMessage shown;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (box && box->isVisible()) {
                shown = {true, box->windowTitle(), box->text(), int(box->buttons().size()), box->icon()};
                if (whileShown)
                    whileShown();
                if (QAbstractButton *b = box->button(button))
                    b->click();
                else
                    box->reject();
                poll.stop();
                return;
            }
        }
    });
    poll.start();
    action();
    poll.stop();
    return shown;
}

QString AnswerMessageBox(const std::function<void()> &action, QMessageBox::StandardButton button)
{
    return AnswerMessage(action, button).text;
}

void DragBy(QWidget *widget, QPoint offset)
{
    const QPoint start = widget->rect().center();
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, start);
    QMouseEvent move(QEvent::MouseMove, QPointF(start + offset), widget->mapToGlobal(QPointF(start + offset)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, start + offset);
}

void TypeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        const bool latin = c.unicode() < 0x80;
        QTest::sendKeyEvent(QTest::Click, widget, latin ? Qt::Key(QChar(c).toUpper().unicode()) : Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
    }
}

QStringList RowTexts(const QTreeWidget *tree, int row)
{
    QStringList out;
    const QTreeWidgetItem *item = tree->topLevelItem(row);
    for (int c = 0; item && c < item->columnCount(); ++c)
        out << item->text(c);
    return out;
}

QStringList ColumnTexts(const QTreeWidget *tree, int column)
{
    QStringList out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        out << tree->topLevelItem(i)->text(column);
    return out;
}
