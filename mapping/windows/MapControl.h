#pragma once
#include "mapping/GridLayers.h"
#include "mapping/MapCanvas.h"
#include "mapping/MapLayers.h"
#include "mapping/MapPainter.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

class QEventLoop;

// Mouse pointer codes of the map.
constexpr int PointerDefault = 0;
constexpr int PointerZoomIn = 51;
constexpr int PointerZoomOut = 52;
constexpr int PointerPan = 53;
constexpr int PointerPanning = 54;
constexpr int PointerIdentify = 55;

// The map widget: a layer list, a view extent, drawing and mouse input. The
// engine draws into an image (MapRenderer); paintEvent only shows it.
//
// A redraw draws the visible layers bottom-up and emits layerDrawn(index)
// after each, the top layer (index 0) last. Only while a layerDrawn handler
// runs may it draw with drawShape and drawText; errors a handler throws are
// dropped so the other layers and handlers still draw.
//
// Window positions are in pixels of this widget; screen distances (as in
// toMapDistance) in twips, 1/1440 inch.
class MapControl : public QWidget, public MapCanvas {
    Q_OBJECT

public:
    explicit MapControl(QWidget *parent = nullptr);
    ~MapControl() override;

    // The layer list: add() puts a layer on top (index 0). Call refresh()
    // after changing it.
    MapLayers &layers() { return m_layers; }
    const MapLayers &layers() const { return m_layers; }

    // The extent shown: the one set, widened to the widget's shape. Before any
    // is set, the full extent.
    MapExtent extent() const;
    // Shows `extent` and redraws.
    void setExtent(const MapExtent &extent);
    // The extent of all layers.
    MapExtent fullExtent() const { return m_layers.fullExtent(); }
    // Redraws every layer (on the next paint; render() draws at once).
    void refresh() override;

    // Lets the user drag the map while a mouse button is held; returns when it
    // is released, with the map moved by the drag and redrawn. Returns at once
    // when no button is down on the map.
    void pan();

    int mousePointer() const { return m_pointer; }
    // 0 default, 51 zoom in, 52 zoom out, 53 pan, 54 panning, 55 identify;
    // another code shows the default arrow.
    void setMousePointer(int code);

    // A position in the widget (pixels) as a map point.
    MapPoint toMapPoint(double x, double y) const;
    // The pixel where a map point is drawn (its centre), the reverse of toMapPoint.
    QPointF toPixel(const MapPoint &point) const;
    // A screen distance in twips as map units at the current extent.
    double toMapDistance(double twips) const override;

    // Drawing, only inside a layerDrawn handler; otherwise throws MapError.
    void drawShape(const MapRecordSet &records, const MapSymbol &symbol);
    void drawShape(const MapShape &shape, const MapSymbol &symbol);
    void drawText(const QString &text, const MapShape &shape, const TextSymbol &symbol) override;

    // Exports the current extent: format 1 (bitmap) at `scaleFactor` times the
    // widget's size, symbols scaled alike, layerDrawn emitted as in a redraw.
    // Throws MapError naming the file and the reason.
    void exportMap(int format, const QString &path, double scaleFactor);

    // Draws the map now into an image of `size` pixels, emitting layerDrawn.
    QImage render(QSize size, double symbolScale = 1);
    // The picture last drawn on screen.
    const QImage &image() const { return m_image; }

    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &color);

signals:
    // After each drawn layer, bottom-up; index 0 (the top layer) comes last.
    void layerDrawn(int layerIndex);
    // A mouse button went down: Qt button code (1 left, 2 right, 4 middle),
    // shift state (1 Shift, 2 Ctrl, 4 Alt, added up) and the position in pixels.
    void mouseDown(int button, int shift, double x, double y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    MapPainter &activePainter();
    QSize drawingSize() const;

    MapLayers m_layers;
    MapExtent m_extent;
    QColor m_backColor = MapBackColour;
    int m_pointer = PointerDefault;
    QImage m_image;
    bool m_dirty = true;
    MapPainter *m_activePainter = nullptr;

    bool m_buttonDown = false;
    QPoint m_pressPosition;
    QPoint m_panOffset;
    QEventLoop *m_panLoop = nullptr;
};
