#ifndef ORVANNE_VERIFY_FORECAST_VALUES_H_
#define ORVANNE_VERIFY_FORECAST_VALUES_H_

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "products/block_header.h"
#include "products/issue_date.h"

// The maximum and minimum temperatures an archived guidance block forecasts,
// by the day each is for.

// The last lead day any scored guidance reaches (the GFSX MOS).
inline constexpr int kMostLeadDay = 7;

struct ForecastValues {
  std::optional<int> minimum;  // the night's minimum before the day, °F
  std::optional<int> maximum;  // the day's maximum, °F
};

// One block's values by lead day: `days[k]` for the day k days after the
// issue date (index 0, the issue day itself, is never scored).
struct LeadForecasts {
  std::array<ForecastValues, kMostLeadDay + 1> days;
};

// The lead day of a value printed under forecast hour `forecastHour` of a
// block of cycle `cycleHour` (0 or 12) issued on D: valid at
// T = D + cycle + hour, it is the maximum or minimum of the day of T - 12 h,
// and its lead day is that day less D. Negative for hours before the day.
int LeadDayOf(int cycleHour, int forecastHour);

// The values of one station block, its lines each ended by "\n":
// - the GFS MOS (kGfs): the first four values of its "N/X" row (day 1's
//   minimum and maximum, then day 2's) or "X/N" row (maximum first);
// - the blend of models' text (kNbm): its "TXN" row at columns 7, 11, 15
//   and 19 counted from the label, as the NBS translation counts them (the
//   same four);
// - the GFSX MOS (kGfsx): each value of its "X/N" row that ends where an
//   hour of its "FHR" row ends (the rows are right-aligned, "|" between the
//   days), at the lead day of that hour, `cycleHour` the block's cycle; a
//   value valid at 00 UTC is a maximum, at 12 UTC a minimum.
// A value that is blank, "-99", "-88", no number or out of its place stays
// empty.
LeadForecasts ReadBlockForecast(std::string_view blockText, Guidance guidance,
                                int cycleHour);

// The values of `station`'s block of `guidance` at its table cycle
// (FactsOf(guidance).cycle) issued on `issued` in the archived product file
// `path` (the first such block). All empty when the file or the block is
// not there.
LeadForecasts ReadArchivedForecast(const std::string& path, Guidance guidance,
                                   std::string_view station,
                                   const IssueDate& issued);

#endif  // ORVANNE_VERIFY_FORECAST_VALUES_H_
