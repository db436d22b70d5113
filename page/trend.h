#ifndef ORVANNE_PAGE_TREND_H_
#define ORVANNE_PAGE_TREND_H_

#include <array>
#include <vector>

#include "record/forecast_record.h"

// The trend: for each day the latest morning forecasts, the high and low
// each of the last mornings forecast for it, so a forecaster sees a day's
// forecast grow colder or warmer as it comes nearer.

// The mornings looked back over, the latest among them: a morning more than
// six days before the latest forecasts none of the latest's days.
inline constexpr int kTrendMornings = 7;

struct TrendCell {
  bool forecast = false;  // false: the day is beyond that morning's seven
  double high = 0, low = 0;
};

struct Trend {
  std::array<IssueDate, kForecastDays> days;  // the latest's days 1 to 7
  std::vector<IssueDate> mornings;            // oldest first, the latest last
  // cells[d][m]: what mornings[m] forecast for days[d].
  std::array<std::vector<TrendCell>, kForecastDays> cells;
};

// The trend of `records` (oldest first, at least one): the mornings are the
// records issued in the kTrendMornings days ending at the latest's issue
// date and in its units (a record in other units is left out, so every
// number of a row is in one unit).
Trend ArrangeTrend(const std::vector<ForecastRecord>& records);

#endif  // ORVANNE_PAGE_TREND_H_
