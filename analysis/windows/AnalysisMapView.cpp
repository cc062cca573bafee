#include "analysis/windows/AnalysisMapView.h"

#include "controls/ShowError.h"
#include "mapping/windows/MapControl.h"
#include "mapping/MapError.h"
#include "mapping/windows/MapNavigator.h"
#include "mapping/windows/MapToolbar.h"
#include "mapping/MapViewport.h"

#include <QFileDialog>
#include <QVBoxLayout>

AnalysisMapView::AnalysisMapView(std::shared_ptr<const AnalysisInputs> inputs, const char *pointTool, QWidget *parent)
    : QWidget(parent), m_inputs(std::move(inputs))
{
    toolbar = new MapToolbar(NavigationButtons(pointTool), MapToolbar::PressedToolClick::KeepsIt, this);
    map = new MapControl(this);
    map->setObjectName(QStringLiteral("mapTree"));
    map->setMinimumSize(240, 160);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(toolbar);
    layout->addWidget(map, 1);

    AddMapDataLayers(map->layers(), m_inputs->maps());

    navigator = new MapNavigator(toolbar, {map}, MapNavigator::CheckBoxClick::KeepsTool, this);
    connect(toolbar, &MapToolbar::buttonClicked, navigator, &MapNavigator::buttonClicked);
    connect(map, &MapControl::layerDrawn, this, &AnalysisMapView::drawClasses);
    connect(map, &MapControl::mouseDown, this, [this](int, int, double x, double y) {
        try {
            if (navigator->mousePressed(map) == MapTool::SuitableSpecies)
                emit pointChosen(map->toMapPoint(x, y), map->toMapDistance(100));
        } catch (const MapError &e) {
            ShowError(window(), window()->windowTitle(), e);
        }
    });
    if (pointTool)
        navigator->chooseTool(QStringLiteral("k5"));
}

void AnalysisMapView::setClasses(std::vector<PointClassLayer> classes)
{
    m_classes = std::move(classes);
    map->refresh();
}

void AnalysisMapView::drawClasses(int layerIndex)
{
    if (layerIndex != 0)
        return;
    const MapViewport viewport(map->extent(), map->size());
    DrawPointClasses(*m_inputs->maps().canvas, m_classes, viewport.unitsPerPixel(),
                     [this](const MapRecordSet &records, const MapSymbol &symbol) { map->drawShape(records, symbol); });
}

QImage AnalysisMapView::picture(const QString &title, const PictureStamp &stamp) const
{
    PointMapRequest request;
    request.extent = map->extent();
    request.title = title;
    request.classes = m_classes;
    request.stamp = stamp;
    // Room below the map for the stamp, so the map keeps its own shape.
    request.size = PictureSizeAround(map->size() * 2, stamp);
    return RenderPointMap(m_inputs->maps(), request);
}

QString SavePngPicture(QWidget *window, const QImage &picture, const QString &proposedName, const SaveDialogRunner &run)
{
    QFileDialog dialog(window, AnalysisMapView::tr("Save Picture"));
    PrepareSaveDialog(dialog, {AnalysisMapView::tr("PNG Pictures (*.png)")}, QStringLiteral("png"), proposedName + QStringLiteral(".png"));
    const QString file = ChosenSaveFile(dialog, run);
    if (file.isEmpty())
        return QString();
    try {
        WritePngFile(picture, file);
    } catch (const MapError &e) {
        ShowError(window, AnalysisMapView::tr("Save Picture"), e);
        return QString();
    }
    return file;
}
