#ifndef ORVANNE_PLOT_FORECAST_SERIES_H_
#define ORVANNE_PLOT_FORECAST_SERIES_H_

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "blend/city_forecast.h"
#include "common/units.h"
#include "products/issue_date.h"

// The city's forecast as the meteogram places it on its time axis, in
// forecast hours after the 1200 UTC issue.

// Day `day` (1 to 7) runs from 00 UTC of the day after the issue date
// (forecast hour 12) for 24 hours: the bulletin's day.
double DayStartHour(int day);

// Where a day's low and high, and its two dew points, stand: at the hours
// the bulletin gives them, 12 UTC of the day (the morning, after the night
// of the low) and 00 UTC after it (the evening, after the day of the high):
// a quarter and three quarters into the local day under CST.
double LowHour(int day);
double HighHour(int day);

// Where the picture's days begin, as forecast hours: [d - 1] is day d's
// start, [kForecastDays] the end of day 7. At local midnight when the issue
// date is known (LocalMidnightHour), else at 00 UTC (DayStartHour).
using DayStarts = std::array<double, kForecastDays + 1>;
DayStarts PictureDayStarts(const std::optional<IssueDate>& issued);

// One bar of the chance of precipitation over [startHour, endHour), percent.
struct Bar {
  double startHour = 0, endHour = 0, chance = 0;
};

// Each day's two 12-hour periods: the first from the day's LowProbPrec,
// the second from its HighProbPrec (on days 3 to 7 the day's one chance). A
// blank cell gives no bar.
std::vector<Bar> PrecipitationBars(const CityForecast& forecast);

// Every temperature and dew point of the seven days, for their axis.
std::vector<double> TemperatureValues(const CityForecast& forecast);

// The temperature as a label: rounded to a whole degree, with the unit sign
// ("32°F", "-3°C"). Fahrenheit for kAsTyped, whose values are as read.
std::string DegreeLabel(double value, UnitSystem units);

// The wind speed's unit: "mph", "km/h", or "kn" for kAsTyped.
std::string SpeedUnit(UnitSystem units);

// Where the wind blows to, in degrees clockwise from north (0 to 360), from
// the direction it comes from in tens of degrees.
double BlowsToward(double directionTens);

#endif  // ORVANNE_PLOT_FORECAST_SERIES_H_
