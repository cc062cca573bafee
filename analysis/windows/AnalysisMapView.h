#pragma once
#include "analysis/AnalysisInputs.h"
#include "analysis/PointMap.h"
#include "controls/SaveDialog.h"
#include "mapping/MapSources.h"

#include <QWidget>

#include <memory>
#include <vector>

class MapControl;
class MapNavigator;
class MapToolbar;

// The map of an analysis window: classes of grid points over the country
// boundaries, under a toolbar of Zoom In, Zoom Out, Pan, Full Extent and
// optionally a point tool, all driven by a MapNavigator as on the map window.
// The points are drawn in the map's layer-drawn notification, as squares
// that fill the space between grid points at any zoom.
class AnalysisMapView : public QWidget {
    Q_OBJECT
public:
    // `pointTool` is the tooltip of the point tool, untranslated in the context
    // "MapToolbar" (null for none).
    AnalysisMapView(std::shared_ptr<const AnalysisInputs> inputs, const char *pointTool, QWidget *parent);

    // Shows these classes (drawn in order, the last on top) and redraws.
    void setClasses(std::vector<PointClassLayer> classes);
    const std::vector<PointClassLayer> &classes() const { return m_classes; }

    // The shown extent drawn as a picture twice the map's size, with the
    // classes' legend under `title` and the stamp's lines below.
    QImage picture(const QString &title, const PictureStamp &stamp) const;

    MapToolbar *toolbar;
    MapControl *map;
    MapNavigator *navigator;

signals:
    // A click on the map with the point tool: the map point and the search
    // reach (identify's 100 twips).
    void pointChosen(const MapPoint &point, double reach);

private:
    void drawClasses(int layerIndex);

    std::shared_ptr<const AnalysisInputs> m_inputs;
    std::vector<PointClassLayer> m_classes;
};

// Asks where to save a PNG picture (proposing `proposedName` + ".png",
// asking before replacing a file) and writes it. Cancel ends it silently; a
// failure shows a message naming the file and the reason, and leaves any
// existing file as it was. Returns the file written, or "".
QString SavePngPicture(QWidget *window, const QImage &picture, const QString &proposedName, const SaveDialogRunner &run);
