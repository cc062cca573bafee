#pragma once
#include "catalogue/ListSortKeys.h"

#include <QColor>
#include <QTreeWidget>

// A report-style list: rows of an item text and sub-items under column headers.
// It keeps the three sort settings (column, direction, sorted flag), which
// survive refills, and paints alternating row colours that continue below the
// last row.
class ReportList : public QTreeWidget {
    Q_OBJECT
public:
    explicit ReportList(int columns, QWidget *parent = nullptr);

    // Sort settings: column 0 is the item text, n the sub-item n.
    int sortKey() const { return m_sortKey; }
    int sortOrder() const { return m_sortOrder; } // 0 ascending, 1 descending
    bool isSorted() const { return m_sorted; }
    void setSortKey(int column) { m_sortKey = column; }
    void setSortOrder(int order) { m_sortOrder = order; }
    void setSortMode(SortMode mode) { m_mode = mode; }
    SortMode sortMode() const { return m_mode; }
    // Sets the sorted flag and orders the rows by the current settings.
    void setSorted(bool sorted);
    // Orders the rows again (after a refill while the sorted flag is set).
    void resort();

    // Adds a row with an empty item text and the given sub-items.
    QTreeWidgetItem *addRow(const QStringList &subItems);
    // Adds a row with the given item text and sub-items, column by column.
    QTreeWidgetItem *addTexts(const QStringList &columns);
    // The same row as addRow, not yet in a list (for adding many at once).
    static QTreeWidgetItem *makeRow(const QStringList &subItems);
    // The text of column `column` (1-based, as the columns are counted on screen).
    static QString cell(const QTreeWidgetItem *row, int column) { return row ? row->text(column - 1) : QString(); }
    // The selected row, or null.
    QTreeWidgetItem *selectedRow() const;
    // Widens a column to its longest text, never narrowing it; the pixels it grew.
    int widenToContents(int column);

    // Whether a mouse button went down on the list and is not yet released:
    // a selection change then is part of a click that rowChosen will report.
    bool pointerDown() const { return m_pointerDown; }

    void setStripeColors(const QColor &first, const QColor &second);
    bool hasStripes() const { return m_stripes; }
    QColor stripeColor(int row) const { return row % 2 == 0 ? m_first : m_second; }

signals:
    // The user chose the selected row: a click on a row (the selected one
    // included) or Enter. Keyboard moves of the selection are not a choice.
    void rowChosen(QTreeWidgetItem *row);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void drawRow(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int m_sortKey = 0;
    int m_sortOrder = 0;
    bool m_sorted = false;
    SortMode m_mode = SortMode::Text;
    bool m_stripes = false;
    bool m_pointerDown = false;
    QColor m_first, m_second;
};
