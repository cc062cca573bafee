#include "analysis/windows/ScenarioChoice.h"

#include "analysis/PictureStamps.h"
#include "controls/ShowError.h"

#include "controls/TranslatedText.h"

#include <QEvent>
#include <QLabel>

#include <exception>

ScenarioChoice::ScenarioChoice(const char *gridCaption, const QString &gridFolder,
                               std::shared_ptr<const ShapeLayer> grid, QWidget *parent)
    : QComboBox(parent), m_caption(Translated(new QLabel(parent), "ScenarioChoice", QT_TR_NOOP("Climate:"))),
      m_scenarios(ListScenarioGrids(gridFolder)), m_grid(std::move(grid))
{
    m_caption->setObjectName(QStringLiteral("lblClimate"));
    m_caption->setVisible(!m_scenarios.empty());
    setObjectName(QStringLiteral("cboClimate"));
    addItem(tr(gridCaption));
    m_gridCaption = gridCaption;
    for (const ScenarioGrid &scenario : m_scenarios)
        addItem(ScenarioText(scenario));
    SetTranslatedToolTip(this, "ScenarioChoice",
                         QT_TR_NOOP("The climate of the grid, or of a scenario grid installed beside it: the projection of "
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
    return m_shown > 0 ? tr("%1: %2", "scenario: caveat").arg(ScenarioText(*scenario()), ScenarioCaveat()) : QString();
}

void ScenarioChoice::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && count() > 0)
        setItemText(0, tr(m_gridCaption));
    QComboBox::changeEvent(event);
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
