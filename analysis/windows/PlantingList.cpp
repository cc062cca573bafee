#include "analysis/windows/PlantingList.h"

#include "analysis/AnalysisInputs.h"
#include "analysis/SuitabilityClasses.h"
#include "mapping/AttributeColumn.h"

#include <QCoreApplication>

#include <exception>

void AddNearMissRows(PointSpeciesRows &rows, const PointAnswer &answer)
{
    for (const NearMiss &m : answer.nearMisses)
        rows.nearMisses << QStringList{QString::number(m.species->spId), m.species->name,
                                       QLatin1String(DataRangeOf(Criterion(m.criterion)).field),
                                       NumberText::shown(answer.values[m.criterion]),
                                       QCoreApplication::translate("PlantingList", "%1 to %2").arg(NumberText::shown(m.min), NumberText::shown(m.max)),
                                       m.text()};
    for (const SpeciesRangeRow *s : answer.incomplete)
        rows.incomplete << QStringList{QString::number(s->spId), s->name};
}

void NearMissesFromCatalogue(PointSpeciesRows &rows, const std::shared_ptr<const ShapeLayer> &grid, std::uint32_t feature)
{
    try {
        const SpeciesRangeTable species = SpeciesRangeTable::read();
        const auto inputs = AnalysisInputs::ofApplication();
        if (inputs->maps().canvas->data() == grid) {
            AddNearMissRows(rows, AnswerAtFeature(species, inputs->climate(), feature));
        } else {
            const GridClimate climate = GridClimate::read(*grid);
            AddNearMissRows(rows, AnswerAtFeature(species, climate, feature));
        }
    } catch (const std::exception &) {
        // The suitable list stands without its near misses.
    }
}

frmIdentifyEngine *ShowPlantingList(const PointAnswer &answer, const QString &useText, QWidget *owner)
{
    PointSpeciesRows rows;
    for (int c = 0; c < 3; ++c)
        rows.values << QStringList{QLatin1String(DataRangeOf(Criterion(c)).field), NumberText::shown(answer.values[c])};
    for (const SpeciesRangeRow *s : answer.suitable)
        rows.suitable << QStringList{QString::number(s->spId), s->name, s->uses};
    AddNearMissRows(rows, answer);
    auto *window = new frmIdentifyEngine(owner);
    window->setTitle([useText] { return QCoreApplication::translate("PlantingList", "Suitable Tree Species (%1)").arg(useText); });
    window->ShowRows(rows);
    window->show();
    return window;
}
