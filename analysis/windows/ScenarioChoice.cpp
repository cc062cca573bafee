#include "analysis/windows/ScenarioChoice.h"

#include "analysis/PictureStamps.h"
#include "controls/ShowError.h"

#include <QLabel>

#include <exception>

ScenarioChoice::ScenarioChoice(const QString &gridCaption, const QString &gridFolder,
                               std::shared_ptr<const ShapeLayer> grid, QWidget *parent)
    : QComboBox(parent), m_caption(new QLabel(QStringLiteral("Climate:"), parent)),
      m_scenarios(ListScenarioGrids(gridFolder)), m_grid(std::move(grid))
{
    m_caption->setObjectName(QStringLiteral("lblClimate"));
    m_caption->setVisible(!m_scenarios.empty());
    setObjectName(QStringLiteral("cboClimate"));
    addItem(gridCaption);
    for (const ScenarioGrid &scenario : m_scenarios)
        addItem(ScenarioText(scenario));
    setToolTip(QStringLiteral("The climate of the grid, or of a scenario grid installed beside it: the projection of "
                              "one climate model, not a forecast"));
    setVisible(!m_scenarios.empty());
    connect(this, &QComboBox::activated, this, &ScenarioChoice::choose);
}

const ScenarioGrid *ScenarioChoice::scenario() const
{
    return m_shown > 0 ? &m_scenarios[std::size_t(m_shown - 1)] : nullptr;
}

const ShapeLayer &ScenarioChoice::climateLayer() const { return m_layer ? *m_layer->data() : *m_grid; }

QString ScenarioChoice::note() const
{
    return m_shown > 0 ? ScenarioText(*scenario()) + QStringLiteral(": ") + ScenarioCaveat() : QString();
}

void ScenarioChoice::choose(int index)
{
    if (index == m_shown)
        return;
    try {
        m_layer = index > 0 ? LoadScenarioLayer(m_scenarios[std::size_t(index - 1)], *m_grid) : nullptr;
        m_shown = index;
    } catch (const std::exception &e) {
        setCurrentIndex(m_shown);
        ShowError(window(), window()->windowTitle(), e);
        return;
    }
    emit climateChosen();
}
