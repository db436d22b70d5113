#include "plot/forecast_series.h"

#include <cmath>

#include "products/local_time.h"

double DayStartHour(int day) { return 12 + 24.0 * (day - 1); }
double LowHour(int day) { return DayStartHour(day) + 12; }
double HighHour(int day) { return DayStartHour(day) + 24; }

DayStarts PictureDayStarts(const std::optional<IssueDate>& issued) {
  DayStarts starts;
  for (int day = 1; day <= kForecastDays + 1; ++day)
    starts[day - 1] = issued ? LocalMidnightHour(*issued, day)
                             : DayStartHour(day);
  return starts;
}

std::vector<Bar> PrecipitationBars(const CityForecast& forecast) {
  std::vector<Bar> bars;
  for (int day = 1; day <= kForecastDays; ++day) {
    const DayRow& row = forecast.days[day - 1];
    const double start = DayStartHour(day);
    if (row.lowProbPrec) bars.push_back({start, start + 12, *row.lowProbPrec});
    bars.push_back({start + 12, start + 24, row.highProbPrec});
  }
  return bars;
}

std::vector<double> TemperatureValues(const CityForecast& forecast) {
  std::vector<double> values;
  for (const DayRow& row : forecast.days) {
    values.insert(values.end(),
                  {row.lowTemp, row.highTemp, row.lowDpt, row.highDpt});
  }
  return values;
}

std::string DegreeLabel(double value, UnitSystem units) {
  const long whole = std::lround(value);
  return std::to_string(whole) +
         (units == UnitSystem::kMetric ? "\u00b0C" : "\u00b0F");
}

std::string SpeedUnit(UnitSystem units) {
  if (units == UnitSystem::kStandard) return "mph";
  if (units == UnitSystem::kMetric) return "km/h";
  return "kn";
}

double BlowsToward(double directionTens) {
  const double toward = std::fmod(directionTens * 10 + 180, 360.0);
  return toward < 0 ? toward + 360 : toward;
}
