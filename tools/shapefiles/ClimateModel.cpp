#include "tools/shapefiles/ClimateModel.h"

#include <algorithm>
#include <cmath>

namespace ClimateModel {

namespace {
double roundTo(double value, double step)
{
    return std::round(value / step) * step;
}
} // namespace

double seaLevelTemperature(double latitude)
{
    const double beyond = std::max(0.0, std::fabs(latitude) - 12.0);
    return 27.5 - 0.03 * beyond * beyond;
}

double meanAnnualTemperature(double latitude, double altitude)
{
    const double t = seaLevelTemperature(latitude) - 0.006 * std::max(0.0, altitude);
    return roundTo(std::clamp(t, -11.2, 29.2), 0.1);
}

double meanAnnualRainfall(double latitude, double altitude, double coastKm, double windwardSlope)
{
    const double band = 1200.0 + 1800.0 * std::exp(-(latitude / 8.0) * (latitude / 8.0));
    const double inland = 0.5 + 0.5 * std::exp(-std::max(0.0, coastKm) / 400.0);
    // 60 mm more per metre of rise per km on the windward side; the lee loses half that.
    const double uplift = windwardSlope > 0 ? 60.0 * windwardSlope : 30.0 * windwardSlope;
    const double thinAir = std::exp(-std::max(0.0, altitude - 3000.0) / 1500.0);
    const double rain = (band * inland + uplift) * thinAir;
    return std::round(std::clamp(rain, 6.0, 8253.0));
}

double temperatureRange(double latitude, double coastKm)
{
    const double range = 1.0 + 0.5 * std::max(0.0, std::fabs(latitude) - 5.0) +
                         3.0 * (1.0 - std::exp(-std::max(0.0, coastKm) / 500.0));
    return roundTo(range, 0.1);
}

} // namespace ClimateModel
