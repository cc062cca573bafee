#include "analysis/PictureStamps.h"

#include "analysis/ClimateShift.h"
#include "analysis/MapClasses.h"
#include "mapping/AttributeColumn.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// "+2", "-1.5", "+0".
QString signedText(double v) { return (v >= 0 ? QStringLiteral("+") : QString()) + NumberText::shortest(v); }

// The entries every species' picture starts with.
PictureStamp speciesEntries(const StampSpecies &species)
{
    return {{QStringLiteral("Species"), QStringLiteral("%1 (SpID %2)").arg(species.name, species.spId)},
            {QStringLiteral("Ranges"), species.ranges}};
}

} // namespace

QString CountPictureTitle(const QString &useText, const ScenarioGrid *scenario)
{
    return QStringLiteral("Suitable species (%1)").arg(useText) + (scenario ? QStringLiteral(", ") + ScenarioText(*scenario) : QString());
}

PictureStamp CountPictureStamp(const QString &useText, std::size_t catalogueSpecies, const QString &classesNote,
                               const PictureStamp &sources, const ScenarioGrid *scenario)
{
    return PictureStamp{{QStringLiteral("Count"), QStringLiteral("species of %1 suitable at each grid point, of %2 in the catalogue")
                                                      .arg(useText)
                                                      .arg(catalogueSpecies)},
                        {QStringLiteral("Rule"), QStringLiteral("every range contains the point's ALT, MAR and MAT")},
                        {QStringLiteral("Classes"), classesNote}}
         + (scenario ? ScenarioEntries(*scenario) : PictureStamp()) + sources;
}

QString ShiftText(double dT, double dP)
{
    return QStringLiteral("MAT %1 %2, MAR %3 %").arg(signedText(dT), UnitOf(Temperature), signedText(dP));
}

QString ShiftPictureTitle(const QString &species, double dT, double dP)
{
    return species + QStringLiteral(", ") + ShiftText(dT, dP);
}

namespace {

// The classes of a comparison's map: "full match kept, lost, gained".
PictureStamp comparisonClasses()
{
    return {{QStringLiteral("Classes"), ClassName(ClassFullMatch) + QLatin1Char(' ') + ShiftClassNames().join(QStringLiteral(", "))}};
}

} // namespace

PictureStamp ShiftPictureStamp(const StampSpecies &species, double dT, double dP, const PictureStamp &sources)
{
    return speciesEntries(species) + comparisonClasses()
         + PictureStamp{{QStringLiteral("Shift"), ShiftText(dT, dP) + QStringLiteral(": ") + ShiftCaveat()}} + sources;
}

QString ScenarioCaveat()
{
    return QCoreApplication::translate("PictureStamps", "a projection of one climate model, not a forecast");
}

QString ScenarioText(const ScenarioGrid &scenario)
{
    return QCoreApplication::translate("PictureStamps", "scenario %1").arg(scenario.title());
}

QString ScenarioPictureTitle(const QString &species, const ScenarioGrid &scenario)
{
    return species + QStringLiteral(", ") + ScenarioText(scenario);
}

PictureStamp ScenarioEntries(const ScenarioGrid &scenario)
{
    const QString named = scenario.gcm.isEmpty() ? scenario.name
                                                 : QStringLiteral("GCM %1, %2, %3").arg(scenario.gcm, scenario.ssp, scenario.period);
    PictureStamp stamp{{QStringLiteral("Scenario"), named + QStringLiteral(": ") + ScenarioCaveat()},
                       {QStringLiteral("Scenario source"), scenario.source}};
    if (!scenario.citation.isEmpty())
        stamp.append({QStringLiteral("Scenario citation"), scenario.citation});
    if (!scenario.terms.isEmpty())
        stamp.append({QStringLiteral("Scenario terms"), scenario.terms});
    return stamp;
}

PictureStamp ScenarioPictureStamp(const StampSpecies &species, const ScenarioGrid &scenario, const PictureStamp &sources)
{
    return speciesEntries(species) + comparisonClasses() + ScenarioEntries(scenario) + sources;
}

PictureStamp SuitabilityPictureStamp(const StampSpecies &species, const ClassChoice &shown, const PictureStamp &sources)
{
    QStringList names;
    for (int order = 0; order < 4; ++order)
        if (shown[order])
            names << ClassName(order);
    return speciesEntries(species)
         + PictureStamp{{QStringLiteral("Classes"), names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "))}}
         + sources;
}
