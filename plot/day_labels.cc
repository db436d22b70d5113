#include "plot/day_labels.h"

#include "products/issue_date.h"

std::array<std::string, kForecastDays> DayLabels(const std::string& issueDate) {
  static constexpr const char* kWeekdays[] = {"Sun", "Mon", "Tue", "Wed",
                                              "Thu", "Fri", "Sat"};
  std::array<std::string, kForecastDays> labels;
  IssueDate issued;
  const bool known = ParseIssueDate(issueDate, &issued);
  for (int d = 1; d <= kForecastDays; ++d) {
    if (!known) {
      labels[d - 1] = "Day " + std::to_string(d);
      continue;
    }
    const IssueDate date = AddDays(issued, d);
    labels[d - 1] = std::string(kWeekdays[Weekday(date)]) + " " +
                    std::to_string(date.month) + "/" +
                    (date.day < 10 ? "0" : "") + std::to_string(date.day);
  }
  return labels;
}
