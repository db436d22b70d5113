#include "page/forecast_check.h"

#include <algorithm>
#include <map>

#include "common/units.h"

namespace {

CheckedDay Observed(const CityObservedDay& observed) {
  CheckedDay checked;
  checked.day = observed.day;
  checked.high.observed = observed.maximum;
  checked.low.observed = observed.minimum;
  return checked;
}

// Puts `record`'s forecast of `checked.day`, when it made one, at its lead.
void AddForecast(const ForecastRecord& record, CheckedDay& checked) {
  for (const DayRow& row : record.forecast.days) {
    if (AddDays(record.issued, row.day) != checked.day) continue;
    checked.high.byLead[row.day] = InFahrenheit(row.highTemp, record.units);
    checked.low.byLead[row.day] = InFahrenheit(row.lowTemp, record.units);
  }
}

}  // namespace

double InFahrenheit(double value, UnitSystem units) {
  return units == UnitSystem::kMetric ? CelsiusToFahrenheit(value) : value;
}

std::vector<CheckedDay> LastObservedDays(
    const std::vector<ForecastRecord>& records,
    const std::vector<CityObservedDay>& observed, const IssueDate& latest,
    int count) {
  std::vector<CheckedDay> days;
  for (auto day = observed.rbegin();
       day != observed.rend() && static_cast<int>(days.size()) < count; ++day)
    if (day->day < latest) days.push_back(Observed(*day));
  std::reverse(days.begin(), days.end());
  std::map<IssueDate, const ForecastRecord*> byMorning;
  for (const ForecastRecord& record : records) byMorning[record.issued] = &record;
  for (CheckedDay& checked : days) {
    for (int k = 1; k <= kForecastDays; ++k) {
      const auto morning = byMorning.find(AddDays(checked.day, -k));
      if (morning != byMorning.end()) AddForecast(*morning->second, checked);
    }
  }
  return days;
}

std::vector<CheckedDay> ObservedDaysOf(
    const ForecastRecord& record, const std::vector<CityObservedDay>& observed) {
  std::vector<CheckedDay> days;
  const IssueDate first = AddDays(record.issued, 1);
  const IssueDate last = AddDays(record.issued, kForecastDays);
  for (const CityObservedDay& day : observed) {
    if (day.day < first || day.day > last) continue;
    days.push_back(Observed(day));
    AddForecast(record, days.back());
  }
  return days;
}
