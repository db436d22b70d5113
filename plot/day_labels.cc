#include "plot/day_labels.h"

#include "products/issue_date.h"

std::array<std::string, kForecastDays> DayLabels(
    const std::optional<IssueDate>& issued) {
  std::array<std::string, kForecastDays> labels;
  for (int d = 1; d <= kForecastDays; ++d) {
    if (!issued) {
      labels[d - 1] = "Day " + std::to_string(d);
      continue;
    }
    const IssueDate date = AddDays(*issued, d);
    labels[d - 1] = std::string(WeekdayName(date)) + " " +
                    std::to_string(date.month) + "/" +
                    (date.day < 10 ? "0" : "") + std::to_string(date.day);
  }
  return labels;
}
