#include "mapping/windows/frmCompare.h"

#include "controls/TranslatedText.h"

#include "catalogue/CurrentSpecies.h"
#include "controls/CommandButton.h"
#include "controls/ShowError.h"
#include "controls/TopmostWindow.h"
#include "mapping/windows/MapControl.h"
#include "mapping/MapError.h"
#include "mapping/windows/MapNavigator.h"
#include "mapping/windows/MapPlaceTools.h"
#include "mapping/windows/MapToolbar.h"
#include "mapping/windows/frmSpecies.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

frmCompare::frmCompare(QWidget *owner)
{
    MakeTopmostWindow(this, owner);
    setObjectName(QStringLiteral("frmCompare"));
    Translated(this, "frmCompare", QT_TR_NOOP("Arboplot Comparison"));
    QFont small(QStringLiteral("Liberation Sans"));
    small.setPointSizeF(8);
    setFont(small);
    buildControls();
    setFixedSize(TwipsToPixelsX(10680, this), TwipsToPixelsY(8880, this));

    // Each step goes on when the one before fails.
    QStringList loadErrors;
    for (MapControl *map : {mapTree, mapTree2}) {
        try {
            LoadMapLayers(map);
        } catch (const MapError &e) {
            loadErrors << e.message();
        }
    }
    for (const ParameterPanel *panel : {&panel1, &panel2}) {
        panel->chkLayerALT->setChecked(false);
        panel->chkLayerMAR->setChecked(false);
        panel->chkLayerMAT->setChecked(false);
        panel->chkLayerMap->setChecked(true);
    }
    txtSp1->setText(CurrentSpecies::instance().selectedName());
    txtSp2->setText(CurrentSpecies::instance().selectedName());
    txtTemp1->setText(CurrentSpID());
    txtTemp2->setText(CurrentSpID());

    // Told once the window is on screen; a map without layers stays empty.
    loadErrors.removeDuplicates();
    if (!loadErrors.isEmpty())
        QTimer::singleShot(0, this, [this, loadErrors] {
            ShowError(this, windowTitle(), loadErrors.join(QStringLiteral("\n\n")));
        });
}

void frmCompare::buildControls()
{
    tbrMain = new MapToolbar(ComparisonButtons(), MapToolbar::PressedToolClick::ReleasesIt, this);
    tbrMain->setGeometry(0, 0, TwipsToPixelsX(10680, this), TwipsToPixelsY(420, this));
    mapTree = PlaceTwips(new MapControl(this), 120, 480, 5160, 3255);
    mapTree->setObjectName(QStringLiteral("mapTree"));
    mapTree2 = PlaceTwips(new MapControl(this), 5400, 480, 5160, 3255);
    mapTree2->setObjectName(QStringLiteral("mapTree2"));

    buildSpeciesRow(1, 120, 1455);
    buildSpeciesRow(2, 5400, 1695);

    frmPerimeter = PlaceTwips(Translated(new QGroupBox(this), "frmCompare", QT_TR_NOOP("First Parameter")), 120, 4200, 10440, 2280);
    frmPerimeter->setObjectName(QStringLiteral("frmPerimeter"));
    Frame1 = PlaceTwips(Translated(new QGroupBox(this), "frmCompare", QT_TR_NOOP("Second Parameter")), 120, 6480, 10440, 2280);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    panel1 = BuildParameterPanel(frmPerimeter);
    panel2 = BuildParameterPanel(Frame1, QStringLiteral("2"));
    lblInvasive1 = WarningLabel(frmPerimeter, 7680, 360, 2640, 735);
    lblInvasive1->setObjectName(QStringLiteral("lblInvasive1"));
    lblInvasive2 = WarningLabel(Frame1, 7680, 360, 2640, 735);
    lblInvasive2->setObjectName(QStringLiteral("lblInvasive2"));
    cmdSave1 = PlaceTwips(Translated(new CommandButton(QString(), frmPerimeter), "frmCompare", QT_TR_NOOP("Save As Image")), 6120, 1320, 1335, 255);
    cmdSave1->setObjectName(QStringLiteral("cmdSave1"));
    cmdSave2 = PlaceTwips(Translated(new CommandButton(QString(), Frame1), "frmCompare", QT_TR_NOOP("Save As Image")), 6120, 1320, 1335, 255);
    cmdSave2->setObjectName(QStringLiteral("cmdSave2"));

    navigator = new MapNavigator(tbrMain, {mapTree, mapTree2}, MapNavigator::CheckBoxClick::ReleasesTools, this);
    for (QCheckBox *box : panel1.layerChecks())
        connect(box, &QCheckBox::clicked, this, [this] { navigator->layerCheckClicked(mapTree); });
    for (QCheckBox *box : panel2.layerChecks())
        connect(box, &QCheckBox::clicked, this, [this] { navigator->layerCheckClicked(mapTree2); });
    connect(cmdSp1, &QPushButton::clicked, this, [this] { ChooseSpeciesFor(1); });
    connect(cmdSp2, &QPushButton::clicked, this, [this] { ChooseSpeciesFor(2); });
    connect(cmdSave1, &QPushButton::clicked, this, [this] { SaveMapOf(1); });
    connect(cmdSave2, &QPushButton::clicked, this, [this] { SaveMapOf(2); });
    connect(tbrMain, &MapToolbar::buttonClicked, this, &frmCompare::tbrMain_ButtonClick);
    placeTools = new MapPlaceTools(tbrMain, {mapTree, mapTree2}, navigator);
    connect(placeTools, &MapPlaceTools::placeShown, this, [this](const Place &place) { ShowPlaceSpecies(mapTree, place, parentWidget(), this); });
    connect(mapTree, &MapControl::layerDrawn, this, [this](int layer) { redraw(1, layer); });
    connect(mapTree2, &MapControl::layerDrawn, this, [this](int layer) { redraw(2, layer); });
    connect(mapTree, &MapControl::mouseDown, this, [this] { MapMouseDown(mapTree); });
    connect(mapTree2, &MapControl::mouseDown, this, [this] { MapMouseDown(mapTree2); });
}

// The caption, name box, chooser button and hidden identifier box of one side.
void frmCompare::buildSpeciesRow(int side, double left, double labelWidth)
{
    const QString number = QString::number(side);
    Translated(TwipsLabel(this, QString(), left, 3840, labelWidth, 255), "frmCompare",
               side == 1 ? QT_TR_NOOP("First Species Name") : QT_TR_NOOP("Second Species Name"));
    const double boxLeft = left + labelWidth + 105;
    auto *name = PlaceTwips(new QLineEdit(this), boxLeft, 3840, 2535, 285);
    name->setObjectName(QStringLiteral("txtSp") + number);
    name->setReadOnly(true);
    auto *choose = PlaceTwips(new CommandButton(QStringLiteral("..."), this), boxLeft + 2640, 3840, 255, 255);
    choose->setObjectName(QStringLiteral("cmdSp") + number);
    SetTranslatedToolTip(choose, "frmCompare", QT_TR_NOOP("Choose Species"));
    auto *identifier = new QLineEdit(this);
    identifier->setObjectName(QStringLiteral("txtTemp") + number);
    identifier->hide();
    (side == 1 ? txtSp1 : txtSp2) = name;
    (side == 1 ? cmdSp1 : cmdSp2) = choose;
    (side == 1 ? txtTemp1 : txtTemp2) = identifier;
}

// The drawing of one map: that side's species, boxes, check boxes and
// labels; the shared range source and zoom level; no class legend, no labels.
void frmCompare::redraw(int side, int layer)
{
    const ParameterPanel &panel = side == 1 ? panel1 : panel2;
    DrawSuitability(panel.side(mapOf(side), side == 1 ? lblInvasive1 : lblInvasive2),
                    (side == 1 ? txtTemp1 : txtTemp2)->text(), navigator->rangeSource(), navigator->zoomLevel());
    if (layer == 0)
        placeTools->draw(mapOf(side));
}

void frmCompare::tbrMain_ButtonClick(const QString &key) { navigator->buttonClicked(key); }

void frmCompare::MapMouseDown(MapControl *pressed)
{
    try {
        navigator->mousePressed(pressed);
    } catch (const std::exception &e) {
        ShowError(this, windowTitle(), e);
    }
}

void frmCompare::ChooseSpeciesFor(int side)
{
    frmSpecies chooser(this);
    chooser.exec();
    if (const std::optional<ChosenSpecies> &chosen = chooser.chosen())
        showChosen(side, *chosen);
}

void frmCompare::showChosen(int side, const ChosenSpecies &chosen)
{
    const ParameterPanel &panel = side == 1 ? panel1 : panel2;
    (side == 1 ? txtTemp1 : txtTemp2)->setText(chosen.spId);
    (side == 1 ? txtSp1 : txtSp2)->setText(chosen.name);
    QLineEdit *const boxes[6] = {panel.txtALTMin, panel.txtALTMax, panel.txtMARMin,
                                 panel.txtMARMax, panel.txtMATMin, panel.txtMATMax};
    for (int i = 0; i < 6; ++i)
        boxes[i]->setText(chosen.ranges[i]);
}

void frmCompare::SaveMapOf(int side)
{
    const ParameterPanel &panel = side == 1 ? panel1 : panel2;
    const QString name = (side == 1 ? txtSp1 : txtSp2)->text();
    SaveMapPicture(this, mapOf(side), name, saveDialog, [&] {
        return SuitabilityStamp(panel.side(mapOf(side), nullptr), name, (side == 1 ? txtTemp1 : txtTemp2)->text());
    });
}
