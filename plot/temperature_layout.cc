#include "plot/temperature_layout.h"

#include <algorithm>

#include "plot/forecast_series.h"

namespace {

Scale PaddedScale(const CityForecast& forecast) {
  std::vector<double> values = TemperatureValues(forecast);
  const auto [min, max] = std::minmax_element(values.begin(), values.end());
  const double room = std::max(1.0, (*max - *min) / 8);
  const double top = *max + room;
  const double bottom = *min - room;
  values.push_back(top);
  values.push_back(bottom);
  return RoundScale(values, 6, 1);
}

std::vector<Point> LinePoints(const CityForecast& forecast,
                              double DayRow::*value, bool high,
                              const Scale& scale) {
  std::vector<Point> points;
  for (int day = 1; day <= kForecastDays; ++day) {
    const double hour = high ? HighHour(day) : LowHour(day);
    points.push_back(
        {HourX(hour), Position(scale, forecast.days[day - 1].*value,
                               kTemperatureBand.bottom, kTemperatureBand.top)});
  }
  return points;
}

Obstacles AllObstacles(const std::array<std::vector<Point>, 4>& lines) {
  Obstacles obstacles;
  for (int line = kEveningDewLine; line <= kLowLine; ++line) {
    const bool marked = line == kHighLine || line == kLowLine;
    obstacles.lines.push_back(
        {lines[line], (marked ? kTemperatureLineWidth : kDewLineWidth) / 2});
    if (!marked) continue;
    for (const Point& p : lines[line]) {
      obstacles.markers.push_back({p.x - kMarkerRadius, p.y - kMarkerRadius,
                                   p.x + kMarkerRadius, p.y + kMarkerRadius});
    }
  }
  return obstacles;
}

}  // namespace

TemperatureLayout LayOutTemperatures(const CityForecast& forecast,
                                     UnitSystem units) {
  TemperatureLayout layout;
  layout.scale = PaddedScale(forecast);
  layout.lines[kEveningDewLine] =
      LinePoints(forecast, &DayRow::highDpt, true, layout.scale);
  layout.lines[kMorningDewLine] =
      LinePoints(forecast, &DayRow::lowDpt, false, layout.scale);
  layout.lines[kHighLine] =
      LinePoints(forecast, &DayRow::highTemp, true, layout.scale);
  layout.lines[kLowLine] =
      LinePoints(forecast, &DayRow::lowTemp, false, layout.scale);
  layout.obstacles = AllObstacles(layout.lines);
  for (const DayRow& row : forecast.days) {
    layout.texts.push_back(DegreeLabel(row.lowTemp, units));
    layout.texts.push_back(DegreeLabel(row.highTemp, units));
  }
  std::vector<LabelRequest> requests;
  for (int day = 0; day < kForecastDays; ++day) {
    requests.push_back({layout.lines[kLowLine][day], layout.texts[2 * day],
                        false, kMarkerRadius});
    requests.push_back({layout.lines[kHighLine][day], layout.texts[2 * day + 1],
                        true, kMarkerRadius});
  }
  layout.labels = PlaceLabels(requests, layout.obstacles, kTemperatureBand);
  return layout;
}
