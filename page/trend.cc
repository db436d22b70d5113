#include "page/trend.h"

Trend ArrangeTrend(const std::vector<ForecastRecord>& records) {
  const ForecastRecord& latest = records.back();
  Trend trend;
  for (int d = 1; d <= kForecastDays; ++d)
    trend.days[d - 1] = AddDays(latest.issued, d);
  const IssueDate first = AddDays(latest.issued, 1 - kTrendMornings);
  for (const ForecastRecord& record : records) {
    if (record.issued < first || record.units != latest.units) continue;
    trend.mornings.push_back(record.issued);
    for (int d = 0; d < kForecastDays; ++d) {
      TrendCell cell;
      for (const DayRow& row : record.forecast.days) {
        if (AddDays(record.issued, row.day) != trend.days[d]) continue;
        cell = {true, row.highTemp, row.lowTemp};
      }
      trend.cells[d].push_back(cell);
    }
  }
  return trend;
}
