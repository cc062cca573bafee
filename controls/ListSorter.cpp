#include "controls/ListSorter.h"

#include "controls/ReportList.h"

#include <QGuiApplication>

void SortList(ReportList *list, int column, const QString &kind)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    list->setUpdatesEnabled(false);
    list->setSortMode(SortModeFor(kind));
    list->setSortOrder((list->sortOrder() + 1) % 2);
    list->setSortKey(column - 1);
    list->setSorted(true);
    list->setUpdatesEnabled(true);
    QGuiApplication::restoreOverrideCursor();
}

void PaintAlternatingRows(ReportList *list, const QColor &first, const QColor &second)
{
    if (list->topLevelItemCount() == 0)
        return;
    list->setStripeColors(first, second);
}
