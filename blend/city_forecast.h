#ifndef ORVANNE_BLEND_CITY_FORECAST_H_
#define ORVANNE_BLEND_CITY_FORECAST_H_

#include <array>
#include <cstdint>
#include <optional>

#include "blend/station_records.h"
#include "blend/temperature_biases.h"
#include "common/units.h"

// The arithmetic of the city's forecast: every station value is weighted
// into one city value, and the two short-range models are mixed by the
// forecaster's ratios.

// How much each station counts for the city, in station order. They add up
// to 1.000004146 and are used as they stand: four equal values v weigh to
// slightly more than v.
inline constexpr std::array<double, kStationCount> kStationWeights{
    0.353460408, 0.1793834, 0.215645378, 0.25151496};

// One value of one quantity from each station, in station order.
using StationSet = std::array<std::int32_t, kStationCount>;

// The same quantity from two models: the Primary stations, then the Secondary
// stations, each in station order.
using BlendSet = std::array<std::int32_t, 2 * kStationCount>;

// The city value of one model: the weighted station values added in station
// order.
double WeightStations(const StationSet& values);

// `primaryRatio` times the weighted Primary half plus `secondaryRatio` times
// the weighted Secondary half. The ratios are taken as given, also outside 0
// to 1.
double BlendModels(double primaryRatio, double secondaryRatio,
                   const BlendSet& values);

// The blend of eight wind directions in tens of degrees (0 to 36). Winds
// from either side of north (35 and 01) are blended as 35 and 37, so they
// mix to north and not to south; the result is turned back into 0 to 36.
// Directions that do not cross north, spread over more than half the
// circle, values outside 0 to 36 and ratios outside 0 to 1 (an
// extrapolation, no longer a mean) are blended by `BlendModels` as they are.
double BlendDirections(double primaryRatio, double secondaryRatio,
                       const BlendSet& values);

// Everything the forecast is computed from: the six record arrays the
// readers filled, the two model ratios the forecaster chose and the biases
// to remove from the highs and lows (none by default).
struct BlendInputs {
  StationRecords<ShortTempRecord> primaryTemp;
  StationRecords<ShortTempRecord> secondaryTemp;
  StationRecords<ExtendedTempRecord> extendedTemp;
  StationRecords<ShortSkyRecord> primarySky;
  StationRecords<ShortSkyRecord> secondarySky;
  StationRecords<ExtendedSkyRecord> extendedSky;
  double primaryRatio = 0;
  double secondaryRatio = 0;
  TemperatureBiases biases;
};

// One day of the forecast (1 to 7): temperatures and dew points, then the
// chances of precipitation. Days 3 to 7 have one chance a day, in
// `highProbPrec`.
struct DayRow {
  int day = 0;
  double lowTemp = 0, highTemp = 0, lowDpt = 0, highDpt = 0;
  std::optional<double> lowProbPrec;
  double highProbPrec = 0;
};

// One forecast hour: the fraction of the sky covered (0 to 1), the wind
// direction in tens of degrees (short-range hours only) and the wind speed.
struct SkyRow {
  int hour = 0;
  double cloud = 0;
  std::optional<double> direction;
  double speed = 0;
};

inline constexpr int kForecastDays = 7;
inline constexpr int kSkyRows = kShortSkyHours + kExtendedSkyHours;

// The city's forecast: days 1 to 7, then hours 6 to 60 every 3 hours and
// 72 to 192 every 12 hours.
struct CityForecast {
  std::array<DayRow, kForecastDays> days;
  std::array<SkyRow, kSkyRows> sky;
};

// Days 1 and 2 and hours 6 to 60 blend the two short-range models; days 3 to
// 7 and hours 72 to 192 weigh the extended model alone. Temperatures are in
// degrees Fahrenheit, or Celsius for Metric; wind speeds in miles per hour,
// or kilometres per hour for Metric (knots for kAsTyped). A station's bias
// given for a high or a low is subtracted from that station's value before
// the weighting (0 at a station without one); without any the value is
// weighted as it stands.
CityForecast ComputeCityForecast(const BlendInputs& inputs, UnitSystem units);

#endif  // ORVANNE_BLEND_CITY_FORECAST_H_
