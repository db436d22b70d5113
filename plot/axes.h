#ifndef ORVANNE_PLOT_AXES_H_
#define ORVANNE_PLOT_AXES_H_

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "blend/city_forecast.h"
#include "plot/layout.h"
#include "plot/scale.h"
#include "products/issue_date.h"

// What every panel shares: its frame, its gridlines and tick labels, its
// heading with the legend, and the time axis under the last panel.

// Gridlines every 12 hours (00 and 12 UTC) across `band`, and a stronger
// line at each day's start (PictureDayStarts: local midnight when the issue
// date is known).
std::string TimeGrid(const Band& band, const std::optional<IssueDate>& issued);

// Gridlines and labelled ticks of `scale` up the left side of `band`.
std::string ValueAxis(const Band& band, const Scale& scale,
                      const std::function<std::string(double)>& label);

// The panel's outline.
std::string Frame(const Band& band);

// One entry of a panel's legend: a sample line (with its dash pattern) or a
// filled swatch, and its text.
struct LegendEntry {
  std::string_view colour;
  std::string_view dash;
  std::string text;
  bool swatch = false;
};

// The panel's heading above its top left, its legend entries after it.
std::string Heading(const Band& band, std::string_view title,
                    const std::vector<LegendEntry>& legend);

// Under the last panel: the hour of each 12-hour tick in UTC and, when the
// issue date is known, in the city's local time (its zone's name, or both
// names when the week crosses a change), then each day's label centred on
// its day, local midnight to local midnight when the date is known.
std::string TimeAxis(const std::array<std::string, kForecastDays>& days,
                     const std::optional<IssueDate>& issued);

#endif  // ORVANNE_PLOT_AXES_H_
