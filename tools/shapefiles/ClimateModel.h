#pragma once

// The physical model behind the modelled rainfall and temperature of the
// sample grid (no package ships real land climate). Inputs per grid point:
// latitude (degrees), altitude (metres, sea at 0), distance to the nearest
// sea cell (km) and the terrain slope facing the prevailing south-west
// monsoon (metres of rise per km of travel with the wind). Results are
// clamped to the data ranges of the grid and rounded as stored.
namespace ClimateModel {

// Mean annual temperature at sea level: flat over the inner tropics, then
// falling with the square of the distance from 12 degrees.
double seaLevelTemperature(double latitude);
// Sea-level temperature less 0.6 degrees per 100 m, clamped to -11.2..29.2,
// rounded to 0.1.
double meanAnnualTemperature(double latitude, double altitude);
// An equatorial band of 3000 mm falling to 1200 mm beyond the tropics, drier
// inland, wetter on windward slopes and drier in their lee, thin air above
// 3000 m; clamped to 6..8253, rounded to whole millimetres.
double meanAnnualRainfall(double latitude, double altitude, double coastKm, double windwardSlope);
// The yearly swing of monthly means: small at the equator, larger poleward
// and inland; rounded to 0.1.
double temperatureRange(double latitude, double coastKm);

} // namespace ClimateModel
