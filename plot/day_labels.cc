#include "plot/day_labels.h"

#include <chrono>

#include "assemble/issue_date.h"

std::array<std::string, kForecastDays> DayLabels(const std::string& issueDate) {
  static constexpr const char* kWeekdays[] = {"Sun", "Mon", "Tue", "Wed",
                                              "Thu", "Fri", "Sat"};
  std::array<std::string, kForecastDays> labels;
  IssueDate issued;
  const bool known = ParseIssueDate(issueDate, issued);
  using namespace std::chrono;
  const sys_days issueDay = year{issued.year} /
                            month{static_cast<unsigned>(issued.month)} /
                            day{static_cast<unsigned>(issued.day)};
  for (int d = 1; d <= kForecastDays; ++d) {
    if (!known) {
      labels[d - 1] = "Day " + std::to_string(d);
      continue;
    }
    const sys_days forecastDay = issueDay + days{d};
    const year_month_day date{forecastDay};
    const char* name = kWeekdays[weekday{forecastDay}.c_encoding()];
    const unsigned dayOfMonth = static_cast<unsigned>(date.day());
    labels[d - 1] = std::string(name) + " " +
                    std::to_string(static_cast<unsigned>(date.month())) + "/" +
                    (dayOfMonth < 10 ? "0" : "") + std::to_string(dayOfMonth);
  }
  return labels;
}
