#ifndef ORVANNE_PAGE_FORECAST_CHECK_SECTION_H_
#define ORVANNE_PAGE_FORECAST_CHECK_SECTION_H_

#include <string>
#include <vector>

#include "page/forecast_check.h"

// How the forecasts did, as the pages show it. Every number is a whole
// degree, halves away from zero (Whole). A forecast cell carries
// data-valid="YYYY-MM-DD" data-element="max|min" data-lead="K", an
// observed cell data-valid, data-element and data-observed; each cell's
// text is the number alone.

// The index's section: the last observed days (LastObservedDays), a row
// for each day's high and one for its low, the forecasts of lead days 7 to
// 1 beside the observed value, then a chart of the highs and one of the
// lows (ForecastsChart). No day says that none is observed yet.
std::string ForecastCheckSection(const std::vector<CheckedDay>& days);

// A morning's observed days (ObservedDaysOf): for each, the forecast high
// and low at its lead, the observed ones and the error, forecast less
// observed. Empty when none of its days is observed yet.
std::string ObservedDaysTable(const std::vector<CheckedDay>& days,
                              const IssueDate& issued);

#endif  // ORVANNE_PAGE_FORECAST_CHECK_SECTION_H_
