#pragma once
#include <QWidget>

// A plain narrow panel used as a splitter bar: it reports mouse presses,
// moves (pointer position within the panel) and releases to its owner, which
// keeps the dragging state and resizes the panes.
class DragPanel : public QWidget {
    Q_OBJECT
public:
    DragPanel(Qt::Orientation resizes, QWidget *parent = nullptr);

signals:
    void pressed();
    void moved(QPoint position);
    void released();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
