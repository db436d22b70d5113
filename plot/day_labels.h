#ifndef ORVANNE_PLOT_DAY_LABELS_H_
#define ORVANNE_PLOT_DAY_LABELS_H_

#include <array>
#include <optional>
#include <string>

#include "blend/city_forecast.h"
#include "products/issue_date.h"

// The seven forecast days' labels, weekday and date ("Wed 12/09"): day 1 is
// the day after the issue date. No date gives "Day 1" to "Day 7".
std::array<std::string, kForecastDays> DayLabels(
    const std::optional<IssueDate>& issued);

#endif  // ORVANNE_PLOT_DAY_LABELS_H_
