#include "mapping/frmMap.h"

#include "app/frmMain.h"
#include "catalogue/CurrentSpecies.h"
#include "controls/Twips.h"
#include "factsheet/ReportList.h"
#include "factsheet/frmList.h"
#include "mapping/Classification.h"
#include "mapping/MapControl.h"
#include "mapping/MapError.h"
#include "mapping/MapLayer.h"
#include "mapping/MapRecordSet.h"
#include "mapping/MapToolbar.h"
#include "mapping/SpeciesRanges.h"
#include "mapping/TopmostWindow.h"
#include "mapping/frmIdentifyEngine.h"
#include "mapping/frmIdentifyMap.h"
#include "mapping/labels/LabelLayer.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <exception>

namespace {

constexpr int CanvasLayer = 1;

// Places a widget at a position given in twips.
template <typename W>
W *place(W *widget, double left, double top, double width, double height)
{
    widget->setGeometry(TwipsToPixelsX(left, widget), TwipsToPixelsY(top, widget), TwipsToPixelsX(width, widget),
                        TwipsToPixelsY(height, widget));
    return widget;
}

QLabel *label(QWidget *parent, const QString &text, double left, double top, double width, double height = 240)
{
    auto *l = place(new QLabel(text, parent), left, top, width, height);
    l->setWordWrap(height > 300);
    return l;
}

QWidget *swatch(QWidget *parent, const QColor &color, double left, double top, double width, double height)
{
    auto *w = place(new QWidget(parent), left, top, width, height);
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    w->setPalette(p);
    return w;
}

const QColor SwatchColors[4] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 255, 0), QColor(128, 64, 0)};

} // namespace

frmMap::frmMap(QWidget *owner) : QWidget(nullptr), m_labels(std::make_unique<LabelLayer>())
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
    zoomLevel = 1;
    rangeSource = 1;
    try {
        LoadMapLayers(mapTree);
    } catch (const MapError &e) {
        loadErrors << e.message();
    }
    chkLayerALT->setChecked(false);
    chkLayerMAR->setChecked(false);
    chkLayerMAT->setChecked(false);
    chkLayerMap->setChecked(true);
    if (frmMain *main = frmMain::Instance(); main && main->IsListWindowLoaded())
        setWindowTitle(ReportList::cell(main->ListWindow()->lstTree->selectedRow(), 4));
    m_labels->TextHeight = mapTree->extent().width() / 100;
    m_labels->Map = mapTree;
    ShowDisclaimer();
    bool ok = false;
    const int id = CurrentSpID().trimmed().toInt(&ok);
    SpID = ok && id >= -32768 && id <= 32767 ? id : 0;

    try {
        if (!ReadSpeciesRanges(QString::number(SpID)).found)
            loadErrors << QStringLiteral("No species with the identifier %1 is in the catalogue, so the map shows no "
                                         "suitable area. Choose a species in the species list first.")
                              .arg(SpID);
    } catch (const std::exception &e) {
        loadErrors << QString::fromUtf8(e.what());
    }
    // Told once the window is on screen, so the message stands over the map.
    if (!loadErrors.isEmpty())
        QTimer::singleShot(0, this, [this, loadErrors] { reportError(QStringLiteral("Arboplot"), loadErrors.join("\n\n")); });
}

frmMap::~frmMap() = default;

LabelLayer &frmMap::labels() { return *m_labels; }

void frmMap::buildControls()
{
    tbrMain = new MapToolbar(MapWindowButtons(), this);
    tbrMain->setGeometry(0, 0, TwipsToPixelsX(10080, this), TwipsToPixelsY(420, this));
    mapTree = place(new MapControl(this), 120, 480, 7560, 4815);
    mapTree->setObjectName(QStringLiteral("mapTree"));
    label(this,
          QStringLiteral("Matching known ranges in elevation, mean annual rainfall and mean annual temperature of trees "
                         "to available spatial data"),
          7800, 480, 2175, 975);

    picLegend.resize(8);
    lblLegend.resize(8);
    const char *classTops[4] = {"1560", "2280", "3000", "3720"};
    for (int i = 0; i < 4; ++i) {
        const double top = QString::fromLatin1(classTops[i]).toDouble();
        picLegend[4 + i] = swatch(this, SwatchColors[i], 7800, top, 330, 255);
        lblLegend[4 + i] = label(this, QString::fromLatin1(ClassAt(i).caption), 8280, top, 1725, 600);
        lblLegend[4 + i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    auto *buttons = place(new QGroupBox(this), 7800, 4200, 2175, 3495);
    const auto button = [&](const QString &describe, const QString &caption, double top) {
        label(buttons, describe, 120, top, 1935);
        return place(new QPushButton(caption, buttons), 120, top + 240, 1335, 375);
    };
    cmdDefaultValue = button(QStringLiteral("Restore Default Values"), QStringLiteral("Default Value"), 240);
    cmdClear = button(QStringLiteral("Clear All Label"), QStringLiteral("Clear Label"), 1080);
    cmdSaveToImage = button(QStringLiteral("Save To Image"), QStringLiteral("Save"), 1920);
    cmdClose = button(QStringLiteral("Close Form"), QStringLiteral("Close"), 2760);

    frmPerimeter = place(new QGroupBox(QStringLiteral("Parameter"), this), 120, 5400, 7560, 2280);
    frmPerimeter->setObjectName(QStringLiteral("frmPerimeter"));
    label(frmPerimeter, QStringLiteral("Altitude (ALT) (m)"), 120, 360, 2200);
    label(frmPerimeter, QStringLiteral("Rainfall (MAR) (mm)"), 120, 960, 2200);
    label(frmPerimeter, QStringLiteral("Temperature (MAT) (Deg C)"), 120, 1560, 2200);
    QLineEdit **boxes[6] = {&txtALTMin, &txtALTMax, &txtMARMin, &txtMARMax, &txtMATMin, &txtMATMax};
    const char *boxNames[6] = {"txtALTMin", "txtALTMax", "txtMARMin", "txtMARMax", "txtMATMin", "txtMATMax"};
    for (int i = 0; i < 6; ++i) {
        *boxes[i] = place(new QLineEdit(frmPerimeter), i % 2 == 0 ? 120 : 1080, 600 + 600 * (i / 2), 870, 285);
        (*boxes[i])->setObjectName(QString::fromLatin1(boxNames[i]));
    }

    label(frmPerimeter, QStringLiteral("Layer"), 2400, 360, 1200);
    const auto check = [&](const char *name, const QString &caption, double top) {
        auto *box = place(new QCheckBox(caption, frmPerimeter), 2400, top, 1900, 240);
        box->setObjectName(QString::fromLatin1(name));
        connect(box, &QCheckBox::clicked, this, &frmMap::layerCheckClicked);
        return box;
    };
    chkLayerALT = check("chkLayerALT", QStringLiteral("Show ALT"), 600);
    chkLayerMAR = check("chkLayerMAR", QStringLiteral("Show MAR"), 840);
    chkLayerMAT = check("chkLayerMAT", QStringLiteral("Show MAT"), 1080);
    chkLayerMap = check("chkLayerMap", QStringLiteral("Show Tree Species"), 1320);
    lblParam = label(frmPerimeter, QStringLiteral("Parameters Used"), 2400, 1800, 1500);
    lblParam->setObjectName(QStringLiteral("lblParam"));
    lblDescParam = label(frmPerimeter, QString(), 3960, 1800, 2000);
    lblDescParam->setObjectName(QStringLiteral("lblDescParam"));

    label(frmPerimeter, QStringLiteral("Legend"), 4440, 360, 1200);
    const QStringList layerCaptions{QStringLiteral("Altitude"), QStringLiteral("Rainfall"), QStringLiteral("Temperature"),
                                    QStringLiteral("Tree Species")};
    for (int i = 0; i < 4; ++i) {
        picLegend[i] = swatch(frmPerimeter, SwatchColors[i], 4440, 620 + 240 * i, 285, 195);
        lblLegend[i] = label(frmPerimeter, layerCaptions[i], 4800, 600 + 240 * i, 1200);
    }
    for (int i = 0; i < 8; ++i) {
        picLegend[i]->setObjectName(QStringLiteral("picLegend%1").arg(i));
        lblLegend[i]->setObjectName(QStringLiteral("lblLegend%1").arg(i));
    }
    label(frmPerimeter, QStringLiteral("Range"), 6120, 360, 1300);
    label(frmPerimeter, QStringLiteral("ALT: 0 - 6098"), 6120, 600, 1400);
    label(frmPerimeter, QStringLiteral("MAR: 6 - 8253"), 6120, 840, 1400);
    label(frmPerimeter, QStringLiteral("MAT: -11.2 - 29.2"), 6120, 1080, 1400);

    lblInvasive = label(this, QString(), 120, 7800, 7575, 255);
    lblInvasive->setObjectName(QStringLiteral("lblInvasive"));
    QPalette warning = lblInvasive->palette();
    warning.setColor(QPalette::WindowText, QColor(200, 0, 0));
    lblInvasive->setPalette(warning);
    QFont bold = lblInvasive->font();
    bold.setBold(true);
    lblInvasive->setFont(bold);
    lblDisclaimer = label(this, QString(), 120, 8160, 9855, 615);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdClear->setObjectName(QStringLiteral("cmdClear"));
    cmdDefaultValue->setObjectName(QStringLiteral("cmdDefaultValue"));
    cmdSaveToImage->setObjectName(QStringLiteral("cmdSaveToImage"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdClear, &QPushButton::clicked, this, &frmMap::cmdClear_Click);
    connect(cmdDefaultValue, &QPushButton::clicked, this, &frmMap::cmdDefaultValue_Click);
    connect(cmdSaveToImage, &QPushButton::clicked, this, &frmMap::cmdSaveToImage_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(tbrMain, &MapToolbar::buttonClicked, this, &frmMap::tbrMain_ButtonClick);
    connect(mapTree, &MapControl::layerDrawn, this, &frmMap::RedrawClassification);
    connect(mapTree, &MapControl::mouseDown, this, &frmMap::mapTree_MouseDown);
}

void frmMap::ShowDisclaimer()
{
    lblDisclaimer->setText(QStringLiteral("Disclaimer:") + QStringLiteral("\r\n")
                           + QStringLiteral("The maps are indicative only, as species requirements are ")
                           + QStringLiteral("incompletely known (and depend on provenance/cultivar), ")
                           + QStringLiteral("spatial data have low resolution, microclimate can differ ")
                           + QStringLiteral("and landscapes position and soil can modify suitability."));
}

SuitabilitySide frmMap::side() const
{
    SuitabilitySide s;
    s.map = mapTree;
    s.layers[0] = chkLayerALT;
    s.layers[1] = chkLayerMAR;
    s.layers[2] = chkLayerMAT;
    s.layers[3] = chkLayerMap;
    QLineEdit *boxes[6] = {txtALTMin, txtALTMax, txtMARMin, txtMARMax, txtMATMin, txtMATMax};
    std::copy(std::begin(boxes), std::end(boxes), s.boxes);
    s.invasive = lblInvasive;
    s.description = lblDescParam;
    for (int i = 0; i < 4; ++i) {
        s.classSwatch[i] = picLegend[4 + i];
        s.classCaption[i] = lblLegend[4 + i];
    }
    return s;
}

void frmMap::RedrawClassification(int layerIndex)
{
    DrawSuitability(side(), QString::number(SpID), rangeSource, zoomLevel);
    if (layerIndex == 0)
        m_labels->Draw();
}

void frmMap::layerCheckClicked()
{
    zoomLevel = 1;
    tbrMain->button(QStringLiteral("k1"))->setEnabled(true);
    mapTree->setExtent(mapTree->fullExtent());
}

void frmMap::tbrMain_ButtonClick(const QString &key)
{
    if (key == QLatin1String("k1")) currentTool = PointerZoomIn;
    else if (key == QLatin1String("k2")) currentTool = PointerZoomOut;
    else if (key == QLatin1String("k3")) currentTool = PointerPan;
    else if (key == QLatin1String("k4") || key == QLatin1String("k5")) currentTool = PointerIdentify;
    else if (key == QLatin1String("k6")) {
        currentTool = PointerDefault;
        mapTree->setExtent(mapTree->fullExtent());
        tbrMain->releaseTools();
        zoomLevel = 1;
        tbrMain->button(QStringLiteral("k1"))->setEnabled(true);
        mapTree->refresh();
    } else if (key == QLatin1String("k7")) {
        rangeSource = 2;
        mapTree->refresh();
    }
    mapTree->setMousePointer(currentTool);
}

void frmMap::zoom(double factor)
{
    MapExtent extent = mapTree->extent();
    extent.ScaleRectangle(factor);
    mapTree->setExtent(extent);
    mapTree->refresh();
}

void frmMap::mapTree_MouseDown(int, int, double x, double y)
{
    const QString tool = tbrMain->pressedTool();
    try {
        if (tool == QLatin1String("k1")) {
            ++zoomLevel;
            zoom(0.75);
            if (zoomLevel == 9) {
                QAction *zoomIn = tbrMain->button(QStringLiteral("k1"));
                zoomIn->setChecked(false);
                zoomIn->setEnabled(false);
                mapTree->setMousePointer(PointerDefault);
            }
        } else if (tool == QLatin1String("k2")) {
            if (zoomLevel != 1)
                --zoomLevel;
            if (zoomLevel != 9)
                tbrMain->button(QStringLiteral("k1"))->setEnabled(true);
            zoom(1.25);
        } else if (tool == QLatin1String("k3")) {
            mapTree->setMousePointer(PointerPanning);
            mapTree->pan();
            mapTree->setMousePointer(currentTool);
        } else if (tool == QLatin1String("k4")) {
            IdentifyPoint(x, y);
        } else if (tool == QLatin1String("k5")) {
            frmIdentifyEngine::FindSuitableSpecies(mapTree, x, y, this);
        }
    } catch (const std::exception &e) {
        reportError(QStringLiteral("Arboplot"), QString::fromUtf8(e.what()));
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
    auto *window = new frmIdentifyMap(this);
    window->lstIdentifyMap->clear();
    static const QStringList hidden{QStringLiteral("COUNT"), QStringLiteral("VALUE"), QStringLiteral("Shape"),
                                    QStringLiteral("POINTID"), QStringLiteral("MAT_RANGE"), QStringLiteral("FeatureId")};
    QString pointId;
    for (const MapField &field : found.fields()) {
        if (field.name == QLatin1String("POINTID"))
            pointId = field.valueText;
        if (!hidden.contains(field.name))
            window->lstIdentifyMap->addTexts({field.name, field.valueText});
    }
    window->show();
    window->setWindowTitle(QStringLiteral("Point Id: ") + pointId);
}

void frmMap::cmdDefaultValue_Click()
{
    QLineEdit *boxes[6] = {txtALTMin, txtALTMax, txtMARMin, txtMARMax, txtMATMin, txtMATMax};
    try {
        RestoreDefaultValues(QString::number(SpID), boxes);
    } catch (const std::exception &e) {
        reportError(QStringLiteral("Default Value"), QString::fromUtf8(e.what()));
    }
}

void frmMap::cmdClear_Click()
{
    m_labels->DeleteAll();
    mapTree->refresh();
}

void frmMap::cmdSaveToImage_Click() { SaveMapPicture(this, mapTree, windowTitle(), saveDialog); }

void frmMap::reportError(const QString &action, const QString &message)
{
    QMessageBox::warning(this, action, message);
}
