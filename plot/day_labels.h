#ifndef ORVANNE_PLOT_DAY_LABELS_H_
#define ORVANNE_PLOT_DAY_LABELS_H_

#include <array>
#include <string>

#include "blend/city_forecast.h"

// The seven forecast days' labels, weekday and date ("Wed 12/09"): day 1 is
// the day after the issue date word ("12/08/2026", month/day/year). A date
// word that names no date gives "Day 1" to "Day 7".
std::array<std::string, kForecastDays> DayLabels(const std::string& issueDate);

#endif  // ORVANNE_PLOT_DAY_LABELS_H_
