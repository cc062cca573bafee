#include "mapping/windows/MapWindowParts.h"

#include "analysis/PictureStamps.h"
#include "base/ApplicationFolder.h"
#include "controls/TranslatedText.h"
#include "mapping/windows/MapControl.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

const QColor LegendColours[4] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 255, 0), QColor(128, 64, 0)};

QLabel *TwipsLabel(QWidget *parent, const QString &text, double left, double top, double width, double height)
{
    auto *l = PlaceTwips(new QLabel(text, parent), left, top, width, height);
    l->setWordWrap(height > 300);
    return l;
}

QWidget *ColourSwatch(QWidget *parent, const QColor &color, double left, double top, double width, double height)
{
    auto *w = PlaceTwips(new QWidget(parent), left, top, width, height);
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    w->setPalette(p);
    return w;
}

QLabel *WarningLabel(QWidget *parent, double left, double top, double width, double height)
{
    QLabel *warning = TwipsLabel(parent, QString(), left, top, width, height);
    QPalette red = warning->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    warning->setPalette(red);
    QFont bold = warning->font();
    bold.setBold(true);
    warning->setFont(bold);
    return warning;
}

QList<QCheckBox *> ParameterPanel::layerChecks() const { return {chkLayerALT, chkLayerMAR, chkLayerMAT, chkLayerMap}; }

SuitabilitySide ParameterPanel::side(MapControl *map, QLabel *invasive) const
{
    SuitabilitySide s;
    s.map = map;
    const QList<QCheckBox *> checks = layerChecks();
    for (int i = 0; i < 4; ++i)
        s.layers[i] = checks[i];
    QLineEdit *const boxes[6] = {txtALTMin, txtALTMax, txtMARMin, txtMARMax, txtMATMin, txtMATMax};
    std::copy(std::begin(boxes), std::end(boxes), s.boxes);
    s.invasive = invasive;
    s.description = lblDescParam;
    return s;
}

namespace {

// A fixed caption of the panel, kept in the current language.
QLabel *caption(QWidget *frame, const char *source, double left, double top, double width)
{
    return Translated(TwipsLabel(frame, QString(), left, top, width), "ParameterPanel", source);
}

} // namespace

ParameterPanel BuildParameterPanel(QGroupBox *frame, const QString &suffix)
{
    ParameterPanel panel;
    const auto named = [&](auto *widget, const char *name) {
        widget->setObjectName(QString::fromLatin1(name) + suffix);
        return widget;
    };
    caption(frame, QT_TRANSLATE_NOOP("ParameterPanel", "Altitude (ALT) (m)"), 120, 360, 2200);
    caption(frame, QT_TRANSLATE_NOOP("ParameterPanel", "Rainfall (MAR) (mm)"), 120, 960, 2200);
    caption(frame, QT_TRANSLATE_NOOP("ParameterPanel", "Temperature (MAT) (Deg C)"), 120, 1560, 2200);
    QLineEdit **boxes[6] = {&panel.txtALTMin, &panel.txtALTMax, &panel.txtMARMin,
                            &panel.txtMARMax, &panel.txtMATMin, &panel.txtMATMax};
    const char *boxNames[6] = {"txtALTMin", "txtALTMax", "txtMARMin", "txtMARMax", "txtMATMin", "txtMATMax"};
    for (int i = 0; i < 6; ++i) {
        *boxes[i] = named(PlaceTwips(new QLineEdit(frame), i % 2 == 0 ? 120 : 1080, 600 + 600 * (i / 2), 870, 285),
                          boxNames[i]);
    }

    caption(frame, QT_TRANSLATE_NOOP("ParameterPanel", "Layer"), 2400, 360, 1200);
    const auto check = [&](const char *name, const char *caption, double top) {
        return named(Translated(PlaceTwips(new QCheckBox(frame), 2400, top, 1900, 240), "ParameterPanel", caption), name);
    };
    panel.chkLayerALT = check("chkLayerALT", QT_TRANSLATE_NOOP("ParameterPanel", "Show ALT"), 600);
    panel.chkLayerMAR = check("chkLayerMAR", QT_TRANSLATE_NOOP("ParameterPanel", "Show MAR"), 840);
    panel.chkLayerMAT = check("chkLayerMAT", QT_TRANSLATE_NOOP("ParameterPanel", "Show MAT"), 1080);
    panel.chkLayerMap = check("chkLayerMap", QT_TRANSLATE_NOOP("ParameterPanel", "Show Tree Species"), 1320);
    panel.lblParam = named(caption(frame, QT_TRANSLATE_NOOP("ParameterPanel", "Parameters Used"), 2400, 1800, 1500), "lblParam");
    panel.lblDescParam = named(TwipsLabel(frame, QString(), 3960, 1800, 2000), "lblDescParam");

    caption(frame, QT_TRANSLATE_NOOP("ParameterPanel", "Legend"), 4440, 360, 1200);
    const char *const captions[4] = {QT_TRANSLATE_NOOP("ParameterPanel", "Altitude"), QT_TRANSLATE_NOOP("ParameterPanel", "Rainfall"),
                                     QT_TRANSLATE_NOOP("ParameterPanel", "Temperature"),
                                     QT_TRANSLATE_NOOP("ParameterPanel", "Tree Species")};
    for (int i = 0; i < 4; ++i) {
        panel.picLegend << ColourSwatch(frame, LegendColours[i], 4440, 620 + 240 * i, 285, 195);
        panel.lblLegend << caption(frame, captions[i], 4800, 600 + 240 * i, 1200);
        panel.picLegend[i]->setObjectName(QStringLiteral("picLegend%1%2").arg(suffix).arg(i));
        panel.lblLegend[i]->setObjectName(QStringLiteral("lblLegend%1%2").arg(suffix).arg(i));
    }
    caption(frame, QT_TRANSLATE_NOOP("ParameterPanel", "Range"), 6120, 360, 1300);
    caption(frame, QT_TRANSLATE_NOOP("ParameterPanel", "ALT: 0 - 6098"), 6120, 600, 1400);
    caption(frame, QT_TRANSLATE_NOOP("ParameterPanel", "MAR: 6 - 8253"), 6120, 840, 1400);
    caption(frame, QT_TRANSLATE_NOOP("ParameterPanel", "MAT: -11.2 - 29.2"), 6120, 1080, 1400);
    return panel;
}

void ZoomMap(MapControl *map, double factor)
{
    MapExtent extent = map->extent();
    extent.ScaleRectangle(factor);
    map->setExtent(extent);
    map->refresh();
}

PictureStamp SuitabilityStamp(const SuitabilitySide &side, const QString &species, const QString &spId)
{
    QStringList boxes;
    for (QLineEdit *box : side.boxes)
        boxes << box->text().trimmed();
    ClassChoice shown{};
    for (int i = 0; i < 4; ++i)
        shown[i] = side.layers[i] && side.layers[i]->isChecked();
    return SuitabilityPictureStamp({species, spId, BoxRangesText(boxes)}, shown,
                                   SourceStampOf(ApplicationPath(QStringLiteral("\\ShapeFiles\\")), QStringLiteral("silvaria")));
}
