#include "analysis/MapClasses.h"

#include "mapping/GridLayers.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

const QColor KeptColour(0, 114, 178);
const QColor LostColour(213, 94, 0);
const QColor GainedColour(0, 158, 115);

QColor SequentialColour(double t)
{
    // Nine stops of the ramp, evenly spaced.
    static const std::array<QColor, 9> stops{QColor(68, 1, 84),    QColor(71, 45, 123),  QColor(59, 82, 139),
                                             QColor(44, 114, 142), QColor(33, 145, 140), QColor(40, 174, 128),
                                             QColor(94, 201, 98),  QColor(173, 220, 48), QColor(253, 231, 37)};
    const double at = std::clamp(t, 0.0, 1.0) * double(stops.size() - 1);
    const auto i = std::min(std::size_t(at), stops.size() - 2);
    const double f = at - double(i);
    const auto mix = [f](int a, int b) { return int(a + (b - a) * f + 0.5); };
    return QColor(mix(stops[i].red(), stops[i + 1].red()), mix(stops[i].green(), stops[i + 1].green()),
                  mix(stops[i].blue(), stops[i + 1].blue()));
}

QString CountBin::caption() const
{
    return low == high ? QString::number(low) : QStringLiteral("%1 to %2").arg(low).arg(high);
}

QString CountClassing::note() const
{
    if (most == 0)
        return QCoreApplication::translate("MapClasses", "no species suits any grid point");
    if (step == 1)
        return QCoreApplication::translate("MapClasses", "one class per number of species, up to %1, the most at any grid point").arg(most);
    return QCoreApplication::translate("MapClasses", "equal steps of %1 species from 1 to %2, the most at any grid point")
        .arg(step)
        .arg(most);
}

CountClassing CountClassesUpTo(std::uint32_t most)
{
    constexpr std::uint32_t steps = 7; // with 0: eight colours, each told apart from the next
    CountClassing classing{most, std::max<std::uint32_t>(1, (most + steps - 1) / steps), {{0, 0}}};
    for (std::uint32_t low = 1; low <= most; low += classing.step)
        classing.bins.push_back({low, std::min(most, low + classing.step - 1)});
    return classing;
}

CountMap CountClasses(const std::vector<std::uint32_t> &counts)
{
    CountMap map{CountClassesUpTo(counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end())), {}};
    const std::vector<CountBin> &bins = map.classing.bins;
    for (std::size_t b = 0; b < bins.size(); ++b)
        map.classes.push_back({bins[b].caption(), SequentialColour(bins.size() > 1 ? double(b) / double(bins.size() - 1) : 0), {}});
    for (std::uint32_t i = 0; i < counts.size(); ++i)
        map.classes[counts[i] ? 1 + (counts[i] - 1) / map.classing.step : 0].points.push_back(i);
    return map;
}

QStringList ShiftClassNames() { return {QStringLiteral("kept"), QStringLiteral("lost"), QStringLiteral("gained")}; }

std::vector<PointClassLayer> SuitabilityClassLayers(const MapData &maps, const Bounds &bounds, const ClassChoice &shown)
{
    auto points = ClassPoints(*maps.canvas, bounds, maps.ranges, shown);
    std::vector<PointClassLayer> classes;
    for (int order = 0; order < 4; ++order) {
        const SuitabilityClass &cls = ClassAt(order);
        classes.push_back({QString::fromLatin1(cls.caption), QColor(cls.red, cls.green, cls.blue), std::move(points[order])});
    }
    return classes;
}

std::vector<PointClassLayer> ShiftClasses(const ClimateShiftResult &shift)
{
    const QStringList names = ShiftClassNames();
    return {{names[0], KeptColour, shift.kept}, {names[1], LostColour, shift.lost}, {names[2], GainedColour, shift.gained}};
}

QString NoClassText() { return QStringLiteral("no class"); }

GridValues ClassValues(const std::vector<PointClassLayer> &classes, std::size_t points)
{
    GridValues grid{QStringLiteral("class"), std::vector<std::uint32_t>(points, 0), {{NoClassText(), LandColour}}};
    for (std::size_t k = 0; k < classes.size(); ++k) {
        grid.classes.push_back({classes[k].caption, classes[k].colour});
        for (std::uint32_t p : classes[k].points)
            grid.values[p] = std::uint32_t(k + 1);
    }
    return grid;
}

GridValues CountValues(const std::vector<std::uint32_t> &counts, const CountClassing &classing,
                       const std::vector<PointClassLayer> &classes)
{
    GridValues grid{QStringLiteral("count"), counts, {}};
    for (std::size_t b = 0; b < classing.bins.size() && b < classes.size(); ++b)
        for (std::uint32_t n = classing.bins[b].low; n <= classing.bins[b].high; ++n)
            grid.classes.push_back({classes[b].caption, classes[b].colour});
    return grid;
}
