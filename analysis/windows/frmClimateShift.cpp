#include "analysis/windows/frmClimateShift.h"

#include "analysis/MapClasses.h"
#include "analysis/PictureStamps.h"
#include "analysis/SuitabilityClasses.h"
#include "analysis/windows/AnalysisMapView.h"
#include "analysis/windows/MapLegend.h"
#include "analysis/windows/ScenarioChoice.h"
#include "catalogue/CurrentSpecies.h"
#include "catalogue/SpeciesId.h"
#include "controls/TopmostWindow.h"
#include "mapping/AttributeColumn.h"
#include "mapping/windows/frmSpecies.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>

#include <cmath>
#include "controls/TranslatedText.h"

#include <exception>

namespace {

QString signedText(double v) { return (v >= 0 ? QStringLiteral("+") : QString()) + NumberText::shown(v); }

// A number typed in the language's way ("1,5" in Indonesian) or with a point.
double typedNumber(const QString &text, bool &ok)
{
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    return ok ? value : text.trimmed().toDouble(&ok);
}

// An area for reading: whole km² with the locale's digit grouping.
QString km2(double v) { return QLocale().toString(v, 'f', 0); }

} // namespace

frmClimateShift::frmClimateShift(QWidget *owner) : m_inputs(AnalysisInputs::ofApplication())
{
    MakeTopmostWindow(this, owner);
    setObjectName(QStringLiteral("frmClimateShift"));
    Translated(this, "frmClimateShift", QT_TR_NOOP("Climate Shift"));
    buildInputs();
    buildResults();
    layOut();
    resize(1000, 640);

    connect(txtDT, &QLineEdit::editingFinished, this, &frmClimateShift::ShowShift);
    connect(txtDP, &QLineEdit::editingFinished, this, &frmClimateShift::ShowShift);
    connect(cboClimate, &ScenarioChoice::climateChosen, this, &frmClimateShift::ShowClimate);
    connect(cmdSp, &QPushButton::clicked, this, &frmClimateShift::cmdSp_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmClimateShift::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    showCurrentSpecies();
}

// The species, the shift and the buttons along the top.
void frmClimateShift::buildInputs()
{
    txtSp = new QLineEdit(this);
    txtSp->setObjectName(QStringLiteral("txtSp"));
    txtSp->setReadOnly(true);
    txtSp->setMinimumWidth(220);
    cmdSp = new QPushButton(QStringLiteral("..."), this);
    cmdSp->setObjectName(QStringLiteral("cmdSp"));
    SetTranslatedToolTip(cmdSp, "frmClimateShift", QT_TR_NOOP("Choose Species"));
    cmdSp->setFixedWidth(32);
    txtDT = new QLineEdit(QStringLiteral("0"), this);
    txtDT->setObjectName(QStringLiteral("txtDT"));
    txtDT->setFixedWidth(70);
    txtDP = new QLineEdit(QStringLiteral("0"), this);
    txtDP->setObjectName(QStringLiteral("txtDP"));
    txtDP->setFixedWidth(70);
    cboClimate = new ScenarioChoice(QT_TRANSLATE_NOOP("ScenarioChoice", "uniform shift"), m_inputs->maps().folder, m_inputs->maps().canvas->data(), this);
    cmdSave = Translated(new QPushButton(this), "frmClimateShift", QT_TR_NOOP("Save Picture..."));
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdClose = Translated(new QPushButton(this), "frmClimateShift", QT_TR_NOOP("Close"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
}

// The caveat, the ranges, the map with its legend, the table and the message.
void frmClimateShift::buildResults()
{
    lblCaveat = new QLabel(ShiftCaveat(), this);
    lblCaveat->setObjectName(QStringLiteral("lblCaveat"));
    lblCaveat->setStyleSheet(QStringLiteral("font-style: italic; color: #604000"));
    lblRanges = new QLabel(this);
    lblRanges->setObjectName(QStringLiteral("lblRanges"));
    lblRanges->setWordWrap(true);
    lblMessage = new QLabel(this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);
    lblMessage->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    view = new AnalysisMapView(m_inputs, nullptr, this);
    legend = new MapLegend(QT_TRANSLATE_NOOP("MapLegend", "Full match"), this);
    legend->setObjectName(QStringLiteral("legend"));
    legend->setNoteWidth(400);
    lstShift = new QTreeWidget(this);
    lstShift->setObjectName(QStringLiteral("lstShift"));
    lstShift->setRootIsDecorated(false);
    SetTranslatedHeadings(lstShift, "frmClimateShift",
                          {QT_TR_NOOP("Country"), QT_TR_NOOP("Kept km\u00b2"), QT_TR_NOOP("Lost km\u00b2"), QT_TR_NOOP("Gained km\u00b2")});
    lstShift->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lstShift->setMinimumWidth(400); // the legend's width too
}

void frmClimateShift::layOut()
{
    auto *top = new QHBoxLayout;
    top->addWidget(Translated(new QLabel(this), "frmClimateShift", QT_TR_NOOP("Species")));
    top->addWidget(txtSp);
    top->addWidget(cmdSp);
    top->addSpacing(12);
    top->addWidget(Translated(new QLabel(this), "frmClimateShift", QT_TR_NOOP("ΔT (°C)")));
    top->addWidget(txtDT);
    top->addWidget(Translated(new QLabel(this), "frmClimateShift", QT_TR_NOOP("\u0394P (%)")));
    top->addWidget(txtDP);
    top->addStretch(1);
    top->addWidget(cmdSave);
    top->addWidget(cmdClose);
    // The climate compared with (when a scenario is installed), then what it is not.
    auto *climate = new QHBoxLayout;
    climate->addWidget(cboClimate->caption());
    climate->addWidget(cboClimate);
    climate->addWidget(lblCaveat, 1);
    auto *side = new QVBoxLayout;
    side->addWidget(legend);
    side->addWidget(lstShift, 1);
    auto *middle = new QHBoxLayout;
    middle->addWidget(view, 1);
    middle->addLayout(side);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(climate);
    layout->addWidget(lblRanges);
    layout->addLayout(middle, 1);
    layout->addWidget(lblMessage);
}

// Opens on the current species with no shift, or says how to choose one.
void frmClimateShift::showCurrentSpecies()
{
    try {
        if (const std::optional<int> spId = ParseSpID(CurrentSpID()))
            showFor(AnalysisSubject::fromCatalogue(*spId), 0, 0);
    } catch (const std::exception &e) {
        lblMessage->setText(QString::fromUtf8(e.what()));
    }
    if (!m_subject)
        lblMessage->setText(tr("%1 Choose a species with the \"...\" button.").arg(lblMessage->text()));
}

QString frmClimateShift::shiftText() const
{
    const ScenarioGrid *scenario = cboClimate->scenario();
    return scenario ? ScenarioText(*scenario) : tr("shift %1").arg(ShiftText(m_dT, m_dP));
}

void frmClimateShift::ShowClimate()
{
    const bool uniform = !cboClimate->scenario();
    txtDT->setEnabled(uniform);
    txtDP->setEnabled(uniform);
    lblCaveat->setText(uniform ? ShiftCaveat() : ScenarioCaveat());
    if (m_subject && showFor(*m_subject, m_dT, m_dP))
        lblMessage->clear();
}

void frmClimateShift::ShowShift()
{
    bool okT = false, okP = false;
    const double dT = typedNumber(txtDT->text(), okT);
    const double dP = typedNumber(txtDP->text(), okP);
    if (!okT || !std::isfinite(dT)) {
        lblMessage->setText(tr("\u0394T must be a number of degrees, such as 2 or -1.5, not \"%1\".")
                                .arg(txtDT->text().left(40)));
        return;
    }
    if (!okP || !std::isfinite(dP)) {
        lblMessage->setText(tr("\u0394P must be a percentage, such as 10 or -20, not \"%1\".")
                                .arg(txtDP->text().left(40)));
        return;
    }
    if (dP < -100) {
        lblMessage->setText(tr("\u0394P cannot take away more than 100 % of the rainfall."));
        return;
    }
    if (m_subject && showFor(*m_subject, dT, dP))
        lblMessage->clear();
}

bool frmClimateShift::showFor(const AnalysisSubject &subject, double dT, double dP)
{
    const GridRanges &ranges = m_inputs->maps().ranges;
    if (const QString problem = subject.rangeProblem(ranges); !problem.isEmpty()) {
        lblMessage->setText(problem);
        return false;
    }
    const ScenarioGrid *scenario = cboClimate->scenario();
    ClimateShiftResult shift = CompareClimates(m_inputs->maps(), m_inputs->cells(), m_inputs->countries(), subject.bounds,
                                               cboClimate->climateLayer(), scenario ? 0 : dT, scenario ? 0 : dP);
    if (shift.kept.empty() && shift.gained.empty()) {
        lblMessage->setText(shift.lost.empty()
                                ? tr("%1 suits no grid point even without a shift.").arg(subject.name)
                            : scenario
                                ? tr("Under the %1 nothing suits %2 anywhere on the grid: all of its land would "
                                     "be lost. The map still shows the last answer.").arg(ScenarioText(*scenario), subject.name)
                                : tr("With MAT %1 °C and MAR %2 % nothing suits %3 anywhere on the grid: "
                                     "all of its land would be lost. The map still shows the last shift.")
                                      .arg(signedText(dT), signedText(dP), subject.name));
        return false;
    }
    m_subject = subject;
    m_dT = dT;
    m_dP = dP;
    txtSp->setText(subject.name);
    lblRanges->setText(tr("%1; %2", "species ranges; climate").arg(subject.description(ranges), shiftText()));
    legend->setNote(cboClimate->note());

    const AreaRow &total = shift.areas.total;
    legend->setEntries({{KeptColour, tr("kept: %1 km\u00b2").arg(km2(total.km2[0]))},
                        {LostColour, tr("lost: %1 km\u00b2").arg(km2(total.km2[1]))},
                        {GainedColour, tr("gained: %1 km\u00b2").arg(km2(total.km2[2]))}});
    lstShift->clear();
    const auto add = [this](const AreaRow &row) {
        auto *item = new QTreeWidgetItem(lstShift, {row.country, km2(row.km2[0]), km2(row.km2[1]), km2(row.km2[2])});
        for (int c = 1; c < 4; ++c)
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    };
    for (const AreaRow &row : shift.areas.countries)
        if (row.km2[0] + row.km2[1] + row.km2[2] > 0)
            add(row);
    if (shift.areas.outside.km2[0] + shift.areas.outside.km2[1] + shift.areas.outside.km2[2] > 0)
        add(shift.areas.outside);
    add(total);
    view->setClasses(ShiftClasses(shift));
    return true;
}

void frmClimateShift::cmdSp_Click()
{
    frmSpecies chooser(this);
    chooser.exec();
    const std::optional<ChosenSpecies> &chosen = chooser.chosen();
    const std::optional<int> spId = chosen ? ParseSpID(chosen->spId) : std::nullopt;
    if (!spId)
        return;
    try {
        if (showFor(AnalysisSubject::fromCatalogue(*spId), m_dT, m_dP))
            lblMessage->clear();
    } catch (const std::exception &e) {
        lblMessage->setText(QString::fromUtf8(e.what()));
    }
}

void frmClimateShift::cmdSave_Click()
{
    if (!m_subject)
        return;
    const StampSpecies species{m_subject->name, QString::number(m_subject->spId),
                               DrawnRangesText(m_subject->bounds, m_inputs->maps().ranges)};
    const PictureStamp sources = SourceStampOf(m_inputs->maps().folder, QStringLiteral("silvaria"));
    const ScenarioGrid *scenario = cboClimate->scenario();
    const PictureStamp stamp = scenario ? ScenarioPictureStamp(species, *scenario, sources)
                                        : ShiftPictureStamp(species, m_dT, m_dP, sources);
    const QString title = scenario ? ScenarioPictureTitle(m_subject->name, *scenario)
                                   : ShiftPictureTitle(m_subject->name, m_dT, m_dP);
    SavePngPicture(this, view->picture(title, stamp),
                   m_subject->name + (scenario ? QLatin1Char(' ') + scenario->name : QStringLiteral(" shift")), saveDialog);
}
