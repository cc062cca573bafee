#include "analysis/windows/PlantingList.h"

#include "analysis/AnalysisInputs.h"
#include "analysis/SuitabilityClasses.h"
#include "controls/ReportList.h"
#include "mapping/AttributeColumn.h"
#include "mapping/windows/frmIdentifyEngine.h"

#include <exception>

void FillNearMisses(frmIdentifyEngine *window, const PointAnswer &answer)
{
    window->lstNear->clear();
    window->lstIncomplete->clear();
    for (const NearMiss &m : answer.nearMisses)
        window->lstNear->addTexts({QString::number(m.species->spId), m.species->name,
                                   QLatin1String(DataRangeOf(Criterion(m.criterion)).field),
                                   NumberText::shortest(answer.values[m.criterion]),
                                   NumberText::shortest(m.min) + QStringLiteral(" to ") + NumberText::shortest(m.max), m.text()});
    for (const SpeciesRangeRow *s : answer.incomplete)
        window->lstIncomplete->addTexts({QString::number(s->spId), s->name});
}

namespace {

void fillFromCatalogue(frmIdentifyEngine *window, const std::shared_ptr<const ShapeLayer> &grid, std::uint32_t feature)
{
    try {
        const SpeciesRangeTable species = SpeciesRangeTable::read();
        const auto inputs = AnalysisInputs::ofApplication();
        if (inputs->maps().canvas->data() == grid) {
            FillNearMisses(window, AnswerAtFeature(species, inputs->climate(), feature));
        } else {
            const GridClimate climate = GridClimate::read(*grid);
            FillNearMisses(window, AnswerAtFeature(species, climate, feature));
        }
    } catch (const std::exception &) {
        // The suitable list stands without its near misses.
    }
}

} // namespace

void InstallNearMisses() { frmIdentifyEngine::SetNearMissFiller(fillFromCatalogue); }

frmIdentifyEngine *ShowPlantingList(const PointAnswer &answer, const QString &useText, QWidget *owner)
{
    auto *window = new frmIdentifyEngine(owner);
    window->setWindowTitle(QStringLiteral("Suitable Tree Species (%1)").arg(useText));
    window->lstIdentifyMap->clear();
    window->lstSTS->clear();
    for (int c = 0; c < 3; ++c)
        window->lstIdentifyMap->addTexts({QLatin1String(DataRangeOf(Criterion(c)).field), NumberText::shortest(answer.values[c])});
    for (const SpeciesRangeRow *s : answer.suitable)
        window->lstSTS->addTexts({QString::number(s->spId), s->name, s->uses});
    FillNearMisses(window, answer);
    window->show();
    return window;
}
