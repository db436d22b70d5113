#ifndef ORVANNE_PAGE_FORECAST_CHECK_H_
#define ORVANNE_PAGE_FORECAST_CHECK_H_

#include <array>
#include <optional>
#include <vector>

#include "record/forecast_record.h"
#include "verify/scores.h"
#include "verify/verification.h"

// What the recorded mornings forecast for days already observed, beside
// the city's observation: the forecaster's look back at each day.

inline constexpr int kCheckedDays = 7;

struct CheckedElement {
  std::optional<double> observed;  // the city's, °F
  // [k]: the forecast of the morning k days before the day (lead day k,
  // 1 to 7), °F; [0] stays empty.
  std::array<std::optional<double>, kForecastDays + 1> byLead;
};

struct CheckedDay {
  IssueDate day;
  CheckedElement high;  // the maximum
  CheckedElement low;   // the minimum

  const CheckedElement& Of(Element element) const {
    return element == Element::kMaximum ? high : low;
  }
};

// A record's temperature in °F: Metric records converted, Standard ones
// and those as read taken as they stand.
double InFahrenheit(double value, UnitSystem units);

// The last `count` days before `latest` that `observed` (in date order)
// holds, oldest first, each with every forecast `records` made of it.
std::vector<CheckedDay> LastObservedDays(
    const std::vector<ForecastRecord>& records,
    const std::vector<CityObservedDay>& observed, const IssueDate& latest,
    int count = kCheckedDays);

// Those of `record`'s seven days that `observed` holds, each with the
// record's own forecast at its lead day.
std::vector<CheckedDay> ObservedDaysOf(
    const ForecastRecord& record, const std::vector<CityObservedDay>& observed);

#endif  // ORVANNE_PAGE_FORECAST_CHECK_H_
