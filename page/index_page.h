#ifndef ORVANNE_PAGE_INDEX_PAGE_H_
#define ORVANNE_PAGE_INDEX_PAGE_H_

#include <string>
#include <vector>

#include "page/archive_records.h"
#include "record/forecast_record.h"
#include "page/trend.h"
#include "verify/verification.h"

// The archive's page, ARCHIVE/index.html: the latest forecast (its
// picture by relative link when `latestFiles` finds it, its table, its
// ratio), the trend, how the forecasts did (ForecastCheckSection of the
// verification's observed days), the verification (VerificationSection) and every
// archived morning, newest first, grouped by month, linked to its page.
// `records` are oldest first; with none the page says that no forecast is
// recorded yet.
std::string IndexHtml(const std::vector<ForecastRecord>& records,
                      const MorningFiles& latestFiles,
                      const Verification* verification);

// The trend as a table: a row for each coming day, a column for each
// morning, each cell "high / low" in whole degrees, blank where the
// morning's seven days did not reach; in its own box (Scrolling).
std::string TrendTable(const Trend& trend, UnitSystem units);

#endif  // ORVANNE_PAGE_INDEX_PAGE_H_
