#ifndef ORVANNE_PAGE_CHARTS_H_
#define ORVANNE_PAGE_CHARTS_H_

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "page/forecast_check.h"

// The pages' small inline SVG charts: no script, nothing loaded, every
// series told apart by its dash pattern and marker as well as its shade,
// so they read printed in grey; labelled axes, in °F.

// One chart of `element` over `days`: for each day the forecasts by lead,
// 7 to 1 from left to right, joined as a line with a dot at each, and the
// observed value as a thick dashed line across the day.
std::string ForecastsChart(const std::vector<CheckedDay>& days,
                           Element element);

// One line of the chart of mean absolute error by lead day: its name and
// its MAE at lead days 1 to 7 ([k], [0] unused), none where it has no
// pair.
struct MaeLine {
  std::string name;
  std::array<std::optional<double>, kForecastDays + 1> mae;
};

// MAE by lead day (1 to 7), one line each, in the order given, each with
// its own dash pattern and marker.
std::string MaeChart(const std::vector<MaeLine>& lines);

#endif  // ORVANNE_PAGE_CHARTS_H_
