#include "mapping/windows/frmMap.h"

#include "controls/TranslatedText.h"

#include "catalogue/CurrentSpecies.h"
#include "catalogue/SpeciesId.h"
#include "controls/CommandButton.h"
#include "controls/ReportList.h"
#include "controls/ShowError.h"
#include "controls/TopmostWindow.h"
#include "mapping/Classification.h"
#include "mapping/windows/MapControl.h"
#include "mapping/MapError.h"
#include "mapping/MapLayer.h"
#include "mapping/windows/MapNavigator.h"
#include "mapping/MapRecordSet.h"
#include "mapping/windows/MapToolbar.h"
#include "mapping/windows/MapWindowParts.h"
#include "mapping/SpeciesRanges.h"
#include "mapping/windows/frmIdentifyMap.h"
#include "mapping/labels/LabelLayer.h"
#include "mapping/PolygonNames.h"
#include "mapping/windows/MapPlaceTools.h"
#include "places/windows/FindPlaceBox.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <exception>

frmMap::frmMap(QWidget *owner, PointRowsLookup nearMisses)
    : QWidget(nullptr), m_labels(std::make_unique<LabelLayer>()), m_nearMisses(std::move(nearMisses))
{
    MakeTopmostWindow(this, owner);
    setObjectName(QStringLiteral("frmMap"));
    // A narrow face keeps the captions inside their fixed places.
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPointSizeF(8);
    setFont(small);
    buildControls();
    setFixedSize(TwipsToPixelsX(10080, this), TwipsToPixelsY(8895, this));

    QStringList loadErrors;
    try {
        LoadMapLayers(mapTree);
    } catch (const MapError &e) {
        loadErrors << e.message();
    }
    chkLayerALT->setChecked(false);
    chkLayerMAR->setChecked(false);
    chkLayerMAT->setChecked(false);
    chkLayerMap->setChecked(true);
    setWindowTitle(CurrentSpecies::instance().selectedName());
    m_labels->TextHeight = mapTree->extent().width() / 100;
    m_labels->Map = mapTree;
    m_labels->confirmRemove = [this] {
        return QMessageBox::question(this, tr("Delete All Labels?"), tr("Remove current labels from Map?"),
                                     QMessageBox::Yes | QMessageBox::No)
            == QMessageBox::Yes;
    };
    ShowDisclaimer();
    // This window keeps its identifier in 16 bits; another one names no species here.
    SpID = ParseSpID(CurrentSpID(), SpIdWidth::Bits16).value_or(0);

    try {
        if (!ReadSpeciesRanges(QString::number(SpID)).found)
            loadErrors << tr("No species with the identifier %1 is in the catalogue, so the map shows no "
                             "suitable area. Choose a species in the species list first.")
                              .arg(SpID);
    } catch (const std::exception &e) {
        loadErrors << ErrorText(e);
    }
    // Told once the window is on screen, so the message stands over the map.
    if (!loadErrors.isEmpty())
        QTimer::singleShot(0, this, [this, loadErrors] { ShowError(this, tr("Arboplot"), loadErrors.join("\n\n")); });
}

frmMap::~frmMap() = default;

LabelLayer &frmMap::labels() { return *m_labels; }

void frmMap::buildControls()
{
    tbrMain = new MapToolbar(MapWindowButtons(), MapToolbar::PressedToolClick::KeepsIt, this);
    tbrMain->setGeometry(0, 0, TwipsToPixelsX(10080, this), TwipsToPixelsY(420, this));
    mapTree = PlaceTwips(new MapControl(this), 120, 480, 7560, 4815);
    mapTree->setObjectName(QStringLiteral("mapTree"));
    Translated(TwipsLabel(this, QString(), 7800, 480, 2175, 975), "frmMap",
               QT_TRANSLATE_NOOP("frmMap", "Matching known ranges in elevation, mean annual rainfall and mean annual "
                                           "temperature of trees to available spatial data"));
    buildParameterPanel();
    placeTools = new MapPlaceTools(tbrMain, {mapTree}, navigator);
    connect(placeTools, &MapPlaceTools::placeShown, this, &frmMap::showPlaceSpecies);
    buildClassLegend();
    buildButtons();

    lblInvasive = WarningLabel(this, 120, 7800, 7575, 255);
    lblInvasive->setObjectName(QStringLiteral("lblInvasive"));
    lblDisclaimer = TwipsLabel(this, QString(), 120, 8160, 9855, 615);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(tbrMain, &MapToolbar::buttonClicked, this, &frmMap::tbrMain_ButtonClick);
    connect(mapTree, &MapControl::layerDrawn, this, &frmMap::RedrawClassification);
    connect(mapTree, &MapControl::mouseDown, this, &frmMap::mapTree_MouseDown);
}

// The range boxes, layer check boxes and layer legend, and the navigator that
// the toolbar and the check boxes drive.
void frmMap::buildParameterPanel()
{
    frmPerimeter = PlaceTwips(Translated(new QGroupBox(this), "frmMap", QT_TRANSLATE_NOOP("frmMap", "Parameter")), 120, 5400, 7560, 2280);
    frmPerimeter->setObjectName(QStringLiteral("frmPerimeter"));
    m_panel = BuildParameterPanel(frmPerimeter);
    txtALTMin = m_panel.txtALTMin;
    txtALTMax = m_panel.txtALTMax;
    txtMARMin = m_panel.txtMARMin;
    txtMARMax = m_panel.txtMARMax;
    txtMATMin = m_panel.txtMATMin;
    txtMATMax = m_panel.txtMATMax;
    chkLayerALT = m_panel.chkLayerALT;
    chkLayerMAR = m_panel.chkLayerMAR;
    chkLayerMAT = m_panel.chkLayerMAT;
    chkLayerMap = m_panel.chkLayerMap;
    lblParam = m_panel.lblParam;
    lblDescParam = m_panel.lblDescParam;
    navigator = new MapNavigator(tbrMain, {mapTree}, MapNavigator::CheckBoxClick::KeepsTool, this);
    for (QCheckBox *box : m_panel.layerChecks())
        connect(box, &QCheckBox::clicked, this, [this] { navigator->layerCheckClicked(mapTree); });
}

// Legend entries 0-3 are the panel's layer legend, 4-7 the class legend.
void frmMap::buildClassLegend()
{
    picLegend = m_panel.picLegend;
    lblLegend = m_panel.lblLegend;
    const double classTops[4] = {1560, 2280, 3000, 3720};
    for (int i = 0; i < 4; ++i) {
        picLegend << ColourSwatch(this, LegendColours[i], 7800, classTops[i], 330, 255);
        lblLegend << Translated(TwipsLabel(this, QString(), 8280, classTops[i], 1725, 600), "Classification", ClassAt(i).caption);
        lblLegend.last()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picLegend.last()->setObjectName(QStringLiteral("picLegend%1").arg(4 + i));
        lblLegend.last()->setObjectName(QStringLiteral("lblLegend%1").arg(4 + i));
    }
}

void frmMap::buildButtons()
{
    auto *buttons = PlaceTwips(new QGroupBox(this), 7800, 4200, 2175, 3495);
    const auto button = [&](const char *describe, const char *caption, double top) {
        Translated(TwipsLabel(buttons, QString(), 120, top, 1935), "frmMap", describe);
        return Translated(PlaceTwips(new CommandButton(QString(), buttons), 120, top + 240, 1335, 375), "frmMap", caption);
    };
    cmdDefaultValue = button(QT_TRANSLATE_NOOP("frmMap", "Restore Default Values"), QT_TRANSLATE_NOOP("frmMap", "Default Value"), 240);
    cmdClear = button(QT_TRANSLATE_NOOP("frmMap", "Clear All Label"), QT_TRANSLATE_NOOP("frmMap", "Clear Label"), 1080);
    cmdSaveToImage = button(QT_TRANSLATE_NOOP("frmMap", "Save To Image"), QT_TRANSLATE_NOOP("frmMap", "Save"), 1920);
    cmdClose = button(QT_TRANSLATE_NOOP("frmMap", "Close Form"), QT_TRANSLATE_NOOP("frmMap", "Close"), 2760);
    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    cmdDefaultValue->setObjectName(QStringLiteral("cmdDefaultValue"));
    cmdSaveToImage->setObjectName(QStringLiteral("cmdSaveToImage"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdClear, &QPushButton::clicked, this, &frmMap::cmdClear_Click);
    connect(cmdDefaultValue, &QPushButton::clicked, this, &frmMap::cmdDefaultValue_Click);
    connect(cmdSaveToImage, &QPushButton::clicked, this, &frmMap::cmdSaveToImage_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

void frmMap::ShowDisclaimer()
{
    Translated(lblDisclaimer, "frmMap",
               QT_TRANSLATE_NOOP("frmMap", "Disclaimer:\r\nThe maps are indicative only, as species requirements are "
                                           "incompletely known (and depend on provenance/cultivar), spatial data have "
                                           "low resolution, microclimate can differ and landscapes position and soil can "
                                           "modify suitability."));
}

SuitabilitySide frmMap::side() const
{
    SuitabilitySide s = m_panel.side(mapTree, lblInvasive);
    for (int i = 0; i < 4; ++i) {
        s.classSwatch[i] = picLegend[4 + i];
        s.classCaption[i] = lblLegend[4 + i];
    }
    return s;
}

void frmMap::RedrawClassification(int layerIndex)
{
    DrawSuitability(side(), QString::number(SpID), navigator->rangeSource(), navigator->zoomLevel());
    if (layerIndex == 0) {
        m_labels->Draw();
        placeTools->draw(mapTree);
    }
}

void frmMap::ShowPlace(const Place &place)
{
    placeTools->showPlace(place);
    showPlaceSpecies(place);
}

void frmMap::showPlaceSpecies(const Place &place) { ShowPlaceSpecies(mapTree, place, resultOwner(), this, pointRows()); }

void frmMap::tbrMain_ButtonClick(const QString &key) { navigator->buttonClicked(key); }

void frmMap::mapTree_MouseDown(int, int, double x, double y)
{
    try {
        switch (navigator->mousePressed(mapTree)) {
        case MapTool::Identify: IdentifyPoint(x, y); break;
        case MapTool::SuitableSpecies: frmIdentifyEngine::FindSuitableSpecies(mapTree, x, y, resultOwner(), pointRows()); break;
        default: break;
        }
    } catch (const std::exception &e) {
        ShowError(this, tr("Arboplot"), e);
    }
}

void frmMap::IdentifyPoint(double x, double y)
{
    const auto &canvas = mapTree->layers().item(CanvasLayer);
    const MapPoint point = mapTree->toMapPoint(x, y);
    const MapRecordSet found = canvas->searchAtPoint(point, mapTree->toMapDistance(100));
    m_labels->Add(*canvas, QStringLiteral("ALT"), point);
    if (found.isEOF())
        return;
    auto *window = new frmIdentifyMap(resultOwner());
    window->lstIdentifyMap->clear();
    const QStringList &hidden = IdentifyHiddenFields();
    QString pointId;
    for (const MapField &field : found.fields()) {
        if (field.name == QLatin1String("POINTID"))
            pointId = field.valueText;
        if (!hidden.contains(field.name))
            window->lstIdentifyMap->addTexts({field.name, field.valueText});
    }
    for (const QStringList &row : scenarioRows(found.featureId()))
        window->lstIdentifyMap->addTexts(row);
    for (const QStringList &row : placeRows(found.shape()))
        window->lstIdentifyMap->addTexts(row);
    window->fitFieldNames();
    window->show();
    KeepTranslated(window, [window, pointId] { window->setWindowTitle(tr("Point Id: %1").arg(pointId)); });
}

PointRowsLookup frmMap::pointRows()
{
    return [this](PointSpeciesRows &rows, const std::shared_ptr<const ShapeLayer> &grid, std::uint32_t feature) {
        rows.values << scenarioRows(feature);
        if (m_nearMisses)
            m_nearMisses(rows, grid, feature);
    };
}

QList<QStringList> frmMap::scenarioRows(std::uint32_t feature)
{
    if (!m_scenarios) {
        m_scenarios = ReadScenarioLayers(*mapTree->layers().item(CanvasLayer)->data());
        if (!m_scenarios->problems.isEmpty())
            ShowError(this, tr("Arboplot"), m_scenarios->problems.join(QStringLiteral("\n\n")));
    }
    return ScenarioValueRows(*m_scenarios, feature);
}

QList<QStringList> frmMap::placeRows(const MapShape &point) const
{
    // Where the grid point lies, by the boundary and province layers.
    const MapPoint at{point.x(), point.y()};
    QList<QStringList> rows;
    if (mapTree->layers().count() > CanvasLayer && mapTree->layers().item(0)->data()->shapeType() == ShapeTypePolygon)
        rows << QStringList{tr("Country"), PolygonFieldAt(*mapTree->layers().item(0)->data(), at, QStringLiteral("NAME"))};
    rows << QStringList{tr("Province"), placeTools->provinceAt(at.x, at.y)};
    return rows;
}

QWidget *frmMap::resultOwner() const
{
    // The map's own owner (the main window): identify and suitable-species
    // windows live until the user closes them, not only as long as the map.
    return parentWidget();
}

void frmMap::cmdDefaultValue_Click()
{
    QLineEdit *boxes[6] = {txtALTMin, txtALTMax, txtMARMin, txtMARMax, txtMATMin, txtMATMax};
    try {
        RestoreDefaultValues(QString::number(SpID), boxes);
    } catch (const std::exception &e) {
        ShowError(this, tr("Default Value"), e);
    }
}

void frmMap::cmdClear_Click()
{
    m_labels->DeleteAll();
    mapTree->refresh();
}

void frmMap::cmdSaveToImage_Click()
{
    SaveMapPicture(this, mapTree, windowTitle(), saveDialog,
                   [this] { return SuitabilityStamp(side(), windowTitle(), QString::number(SpID)); });
}

Bounds frmMap::boxBounds() const
{
    static const char *const boxNames[6] = {QT_TR_NOOP("ALT minimum"), QT_TR_NOOP("ALT maximum"), QT_TR_NOOP("MAR minimum"),
                                            QT_TR_NOOP("MAR maximum"), QT_TR_NOOP("MAT minimum"), QT_TR_NOOP("MAT maximum")};
    const SuitabilitySide shown = side();
    for (int i = 0; i < 6; ++i) {
        const QString text = shown.boxes[i]->text().trimmed();
        if (!text.isEmpty() && Bound::fromBox(text).isMissing())
            throw Error(tr("The %1 box of the map of %2 holds \"%3\", which is not a number. Correct it "
                           "and choose the command again.")
                            .arg(tr(boxNames[i]), windowTitle(), text.left(40)));
    }
    return BoundsFromBoxes(shown.boxes);
}

namespace {
QPointer<frmMap> lastActiveMap;
} // namespace

frmMap *frmMap::LastActive() { return lastActiveMap && lastActiveMap->isVisible() ? lastActiveMap.data() : nullptr; }

void frmMap::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        lastActiveMap = this;
    QWidget::changeEvent(event);
}

void frmMap::showEvent(QShowEvent *event)
{
    // A new map counts as the active one even before the window manager activates it.
    lastActiveMap = this;
    QWidget::showEvent(event);
}

