#include "analysis/windows/frmSpeciesCount.h"

#include "analysis/MapClasses.h"
#include "analysis/PictureStamps.h"
#include "analysis/windows/AnalysisMapView.h"
#include "analysis/windows/MapLegend.h"
#include "analysis/windows/PlantingList.h"
#include "analysis/windows/ScenarioChoice.h"
#include "catalogue/ListStatements.h"
#include "controls/TopmostWindow.h"

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
    setWindowTitle(QStringLiteral("Species Count Map"));
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
    cboUse->addItem(QStringLiteral("All uses"));
    cboUse->addItems(UseNames());
    cboClimate = new ScenarioChoice(QStringLiteral("current grid"), m_inputs->maps().folder, m_inputs->maps().canvas->data(), this);
    cmdSave = new QPushButton(QStringLiteral("Save Picture..."), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    view = new AnalysisMapView(m_inputs, QStringLiteral("Planting List"), this);
    legend = new MapLegend(QStringLiteral("Suitable species"), this);
    legend->setObjectName(QStringLiteral("legend"));
    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setWordWrap(true);
}

void frmSpeciesCount::layOut()
{
    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Functional use:"), this));
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
    return cboUse->currentIndex() > 0 ? cboUse->currentText() : QStringLiteral("all uses");
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
    const QString climate = cboClimate->scenario() ? QStringLiteral("Climate: ") + cboClimate->note() : QString();
    legend->setNote(QStringLiteral("Classes: ") + m_classesNote + (climate.isEmpty() ? QString() : QStringLiteral("\n\n") + climate));
    const auto ofUse = std::count_if(m_species.rows.begin(), m_species.rows.end(),
                                     [use](const SpeciesRangeRow &row) { return !use || (row.useMask & use); });
    lblSummary->setText(QStringLiteral("Species of %1 suitable at each grid point, of %2 such species in the catalogue: "
                                       "every range of a species contains the point's ALT, MAR and MAT. With the "
                                       "Planting List tool (the tree), click the map to list them.")
                            .arg(chosenUseText())
                            .arg(ofUse)
                        + (climate.isEmpty() ? QString() : QLatin1Char(' ') + climate + QLatin1Char('.')));
    view->setClasses(std::move(map.classes));
}

void frmSpeciesCount::openPlantingList(const MapPoint &point, double reach)
{
    const GridClimate &climate = m_scenarioClimate ? *m_scenarioClimate : m_inputs->climate();
    const PointAnswer answer = AnswerAtPoint(m_species, climate, *m_inputs->maps().canvas, point, reach, chosenUse());
    const ScenarioGrid *scenario = cboClimate->scenario();
    if (answer.found)
        ShowPlantingList(answer, chosenUseText() + (scenario ? QStringLiteral(", ") + ScenarioText(*scenario) : QString()),
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
