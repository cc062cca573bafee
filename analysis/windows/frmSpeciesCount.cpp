#include "analysis/windows/frmSpeciesCount.h"

#include "analysis/MapClasses.h"
#include "analysis/PictureStamps.h"
#include "analysis/windows/AnalysisMapView.h"
#include "analysis/windows/MapLegend.h"
#include "analysis/windows/PlantingList.h"
#include "analysis/windows/ScenarioChoice.h"
#include "catalogue/ListStatements.h"
#include "controls/TopmostWindow.h"

#include "controls/TranslatedText.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

frmSpeciesCount::frmSpeciesCount(QWidget *owner)
    : m_inputs(AnalysisInputs::ofApplication()), m_species(SpeciesRangeTable::read())
{
    MakeTopmostWindow(this, owner);
    setObjectName(QStringLiteral("frmSpeciesCount"));
    Translated(this, "frmSpeciesCount", QT_TR_NOOP("Species Count Map"));
    buildControls();
    layOut();
    resize(900, 620);

    connect(cboUse, &QComboBox::currentIndexChanged, this, &frmSpeciesCount::ShowCounts);
    connect(cboClimate, &ScenarioChoice::climateChosen, this, &frmSpeciesCount::ShowClimate);
    connect(cmdSave, &QPushButton::clicked, this, &frmSpeciesCount::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(view, &AnalysisMapView::pointChosen, this, &frmSpeciesCount::openPlantingList);
    ShowCounts();
}

void frmSpeciesCount::buildControls()
{
    cboUse = new QComboBox(this);
    cboUse->setObjectName(QStringLiteral("cboUse"));
    cboUse->addItem(tr("All uses"));
    cboUse->addItems(UseNames());
    cboClimate = new ScenarioChoice(QT_TRANSLATE_NOOP("ScenarioChoice", "current grid"), m_inputs->maps().folder, m_inputs->maps().canvas->data(), this);
    cmdSave = Translated(new QPushButton(this), "frmSpeciesCount", QT_TR_NOOP("Save Picture..."));
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdClose = Translated(new QPushButton(this), "frmSpeciesCount", QT_TR_NOOP("Close"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    view = new AnalysisMapView(m_inputs, QT_TRANSLATE_NOOP("MapToolbar", "Planting List"), this);
    legend = new MapLegend(QT_TRANSLATE_NOOP("MapLegend", "Suitable species"), this);
    legend->setObjectName(QStringLiteral("legend"));
    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setWordWrap(true);
}

void frmSpeciesCount::layOut()
{
    auto *top = new QHBoxLayout;
    top->addWidget(Translated(new QLabel(this), "frmSpeciesCount", QT_TR_NOOP("Functional use:")));
    top->addWidget(cboUse);
    top->addSpacing(12);
    top->addWidget(cboClimate->caption());
    top->addWidget(cboClimate);
    top->addStretch(1);
    top->addWidget(cmdSave);
    top->addWidget(cmdClose);
    auto *middle = new QHBoxLayout;
    middle->addWidget(view, 1);
    middle->addWidget(legend);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addWidget(lblSummary);
}

std::uint16_t frmSpeciesCount::chosenUse() const
{
    return cboUse->currentIndex() > 0 ? UseFromName(cboUse->currentText()) : 0;
}

QString frmSpeciesCount::chosenUseText() const
{
    return cboUse->currentIndex() > 0 ? cboUse->currentText() : tr("all uses");
}

void frmSpeciesCount::ShowClimate()
{
    m_scenarioCounts.reset();
    m_scenarioClimate.reset();
    if (cboClimate->scenario()) {
        m_scenarioClimate = GridClimate::read(cboClimate->climateLayer());
        m_scenarioCounts.emplace(*m_scenarioClimate);
    }
    ShowCounts();
}

void frmSpeciesCount::ShowCounts()
{
    const std::uint16_t use = chosenUse();
    const std::vector<std::uint32_t> counts = (m_scenarioCounts ? *m_scenarioCounts : m_inputs->countGrid()).count(m_species, use);
    CountMap map = CountClasses(counts);
    QList<QPair<QColor, QString>> entries;
    for (const PointClassLayer &cls : map.classes)
        entries.append({cls.colour, cls.caption});
    legend->setEntries(entries);
    m_classesNote = map.classing.note();
    const QString climate = cboClimate->scenario() ? tr("Climate: %1").arg(cboClimate->note()) : QString();
    const QString classes = tr("Classes: %1").arg(m_classesNote);
    legend->setNote(climate.isEmpty() ? classes : classes + QStringLiteral("\n\n") + climate);
    const auto ofUse = std::count_if(m_species.rows.begin(), m_species.rows.end(),
                                     [use](const SpeciesRangeRow &row) { return !use || (row.useMask & use); });
    const QString summary = tr("Species of %1 suitable at each grid point, of %n such species in the catalogue: "
                               "every range of a species contains the point's ALT, MAR and MAT. With the "
                               "Planting List tool (the tree), click the map to list them.",
                               nullptr, int(ofUse))
                                .arg(chosenUseText());
    lblSummary->setText(climate.isEmpty() ? summary : tr("%1 %2.", "summary, then the climate").arg(summary, climate));
    view->setClasses(std::move(map.classes));
}

void frmSpeciesCount::openPlantingList(const MapPoint &point, double reach)
{
    const GridClimate &climate = m_scenarioClimate ? *m_scenarioClimate : m_inputs->climate();
    const PointAnswer answer = AnswerAtPoint(m_species, climate, *m_inputs->maps().canvas, point, reach, chosenUse());
    const ScenarioGrid *scenario = cboClimate->scenario();
    if (answer.found)
        ShowPlantingList(answer, scenario ? tr("%1, %2", "use, climate").arg(chosenUseText(), ScenarioText(*scenario)) : chosenUseText(),
                         parentWidget());
}

void frmSpeciesCount::cmdSave_Click()
{
    const ScenarioGrid *scenario = cboClimate->scenario();
    const PictureStamp stamp = CountPictureStamp(chosenUseText(), m_species.rows.size(), m_classesNote,
                                                 SourceStampOf(m_inputs->maps().folder, QStringLiteral("silvaria")), scenario);
    const QString name = QStringLiteral("species-count-") + chosenUseText().toLower().replace(QLatin1Char(' '), QLatin1Char('-'))
                       + (scenario ? QLatin1Char('-') + scenario->name : QString());
    SavePngPicture(this, view->picture(CountPictureTitle(chosenUseText(), scenario), stamp), name, saveDialog);
}
