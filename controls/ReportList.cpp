#include "controls/ReportList.h"

#include "catalogue/UnicodeText.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

// Rows compare by the text of the sort column, or by its number or date key.
class ReportRow : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem &other) const override
    {
        const auto *list = static_cast<const ReportList *>(treeWidget());
        const int column = list ? list->sortKey() : 0;
        QString a = text(column), b = other.text(column);
        if (list && list->sortMode() == SortMode::Number) {
            a = NumberSortKey(a);
            b = NumberSortKey(b);
        } else if (list && list->sortMode() == SortMode::Date) {
            a = DateSortKey(a);
            b = DateSortKey(b);
        }
        return UnicodeCompare(a, b) < 0;
    }
};

} // namespace

ReportList::ReportList(int columns, QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(columns);
    setHeaderLabels(QStringList(columns, QString()));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setItemsExpandable(false);
    setSortingEnabled(false); // sorting happens only through the column sorter
    header()->setSectionsClickable(true);
    header()->setStretchLastSection(false);
    header()->setMinimumSectionSize(0);
}

void ReportList::setSorted(bool sorted)
{
    m_sorted = sorted;
    resort();
}

void ReportList::resort()
{
    if (m_sorted)
        sortItems(m_sortKey, m_sortOrder == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void ReportList::mousePressEvent(QMouseEvent *event)
{
    m_pointerDown = itemAt(event->position().toPoint()) != nullptr;
    QTreeWidget::mousePressEvent(event);
}

void ReportList::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeWidget::mouseReleaseEvent(event);
    if (!m_pointerDown)
        return;
    m_pointerDown = false;
    if (QTreeWidgetItem *row = selectedRow())
        emit rowChosen(row);
}

void ReportList::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && selectedRow()) {
        emit rowChosen(selectedRow());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

QTreeWidgetItem *ReportList::makeRow(const QStringList &subItems)
{
    QStringList texts{QString()};
    texts += subItems;
    return new ReportRow(texts);
}

QTreeWidgetItem *ReportList::addTexts(const QStringList &columns)
{
    QTreeWidgetItem *row = new ReportRow(columns.mid(0, columnCount()));
    addTopLevelItem(row);
    return row;
}

int ReportList::widenToContents(int column)
{
    const int before = header()->sectionSize(column);
    const int wider = std::max(before, sizeHintForColumn(column));
    header()->resizeSection(column, wider);
    return wider - before;
}

QTreeWidgetItem *ReportList::addRow(const QStringList &subItems)
{
    QTreeWidgetItem *row = makeRow(subItems.mid(0, columnCount() - 1));
    addTopLevelItem(row);
    return row;
}

QTreeWidgetItem *ReportList::selectedRow() const
{
    const QList<QTreeWidgetItem *> rows = selectedItems();
    return rows.isEmpty() ? currentItem() : rows.first();
}

void ReportList::setStripeColors(const QColor &first, const QColor &second)
{
    m_first = first;
    m_second = second;
    m_stripes = true;
    viewport()->update();
}

void ReportList::paintEvent(QPaintEvent *event)
{
    if (m_stripes) {
        // Stripes cover the whole background, below the last row too, aligned with
        // the rows: the top visible row decides the parity.
        QPainter p(viewport());
        const int h = topLevelItemCount() > 0 ? rowHeight(indexFromItem(topLevelItem(0))) : fontMetrics().height() + 4;
        const QModelIndex top = indexAt(QPoint(1, 1));
        int row = top.isValid() ? top.row() : 0;
        int y = top.isValid() ? visualRect(top).top() : 0;
        if (!top.isValid() && topLevelItemCount() > 0) {
            // Scrolled past the last row: continue from it.
            const QRect last = visualItemRect(topLevelItem(topLevelItemCount() - 1));
            row = topLevelItemCount();
            y = last.bottom() + 1;
        }
        for (; y < viewport()->height(); y += std::max(1, h), ++row)
            p.fillRect(0, y, viewport()->width(), h, stripeColor(row));
    }
    QTreeWidget::paintEvent(event);
}

void ReportList::drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (m_stripes)
        painter->fillRect(option.rect, stripeColor(index.row()));
    QTreeWidget::drawRow(painter, option, index);
}
