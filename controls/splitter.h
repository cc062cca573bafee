#pragma once
#include <QColor>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QWidget>

// A thin bar between two controls that the user drags to share the space
// between them. While the bar is dragged only the bar moves, and the pointer
// stays inside the two controls' combined area, 250 twips away from its ends;
// when the button is released the first control is resized up to the bar and
// the second one fills from the bar's far side to its own far edge.
//
// A vertical bar (SplitterDirection 0) stands between a left and a right
// control and moves sideways; a horizontal one (1) lies between an upper and a
// lower control. The bar is always 50 twips thick. Lengths given in twips
// follow the widget's logical DPI (1440 twips to the inch).
class splitter : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int SplitterDirection READ SplitterDirection WRITE setSplitterDirection)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int Decoration READ Decoration WRITE setDecoration)
    Q_PROPERTY(QWidget *Control_Top_Or_Left READ Control_Top_Or_Left WRITE setControl_Top_Or_Left)
    Q_PROPERTY(QWidget *Control_Bottom_Or_Right READ Control_Bottom_Or_Right WRITE setControl_Bottom_Or_Right)
    Q_PROPERTY(QColor SplitterActivateColor READ SplitterActivateColor WRITE setSplitterActivateColor)
    Q_PROPERTY(QPixmap CustomMousePointer READ CustomMousePointer WRITE setCustomMousePointer)

public:
    enum Direction { Vertical = 0, Horizontal = 1 };

    explicit splitter(QWidget *parent = nullptr);

    int SplitterDirection() const { return m_direction; }
    // Also gives the bar its starting size: 50 by 2500 twips, upright or lying.
    void setSplitterDirection(int direction);

    // The bar's colour; the widget's own background colour until set.
    QColor BackColor() const;
    void setBackColor(const QColor &color);

    // 0: the bar is drawn with edge lines; any other value: plain colour.
    int Decoration() const { return m_decoration; }
    void setDecoration(int decoration);

    QWidget *Control_Top_Or_Left() const { return m_first; }
    void setControl_Top_Or_Left(QWidget *control) { m_first = control; }
    QWidget *Control_Bottom_Or_Right() const { return m_second; }
    void setControl_Bottom_Or_Right(QWidget *control) { m_second = control; }

    // The colour of the outline shown while the bar is held.
    QColor SplitterActivateColor() const { return m_activateColor; }
    void setSplitterActivateColor(const QColor &color);

    // The pointer over the bar; without one, the sizing pointer of the
    // bar's direction.
    QPixmap CustomMousePointer() const { return m_customPointer; }
    void setCustomMousePointer(const QPixmap &pointer);

signals:
    // The mouse was pressed on the bar and a drag begins.
    void BeforeScroll();
    // The bar moved: `direction` is 1 when the pointer is right of (below)
    // where the drag started, 0 when it is left of (above) it.
    void Scrolling(int direction);
    // The bar was released after a drag and the controls were laid out.
    void AfterScroll();
    void Error(const QString &sErrDescription);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    bool isVertical() const { return m_direction == Vertical; }
    int twipsToPixelsX(double twips) const;
    int twipsToPixelsY(double twips) const;
    void holdThickness();
    void updatePointer();
    void layOutControls();

    int m_direction = Vertical;
    QColor m_backColor;
    int m_decoration = 0;
    QPointer<QWidget> m_first;
    QPointer<QWidget> m_second;
    QColor m_activateColor{128, 128, 255};
    QPixmap m_customPointer;

    bool m_dragging = false;
    bool m_highlighted = false;
    QPoint m_startPointer;   // screen pixels
    QPoint m_startBar;       // the bar's position in its parent
    QRect m_confinement;     // screen pixels
};
