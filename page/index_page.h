#ifndef ORVANNE_PAGE_INDEX_PAGE_H_
#define ORVANNE_PAGE_INDEX_PAGE_H_

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "record/forecast_record.h"
#include "page/trend.h"

// The archive's page, ARCHIVE/index.html: the latest forecast (its
// picture by relative link, its table, its ratio), the trend, the
// verification (VerificationSection) and every archived morning, newest
// first, linked to its page. `records` are oldest first; with none the
// page says that no forecast is recorded yet.
std::string IndexHtml(const std::vector<ForecastRecord>& records,
                      const nlohmann::json* verification);

// The trend as a table: a row for each coming day, a column for each
// morning, each cell "high / low" in whole degrees, blank where the
// morning's seven days did not reach.
std::string TrendTable(const Trend& trend, UnitSystem units);

#endif  // ORVANNE_PAGE_INDEX_PAGE_H_
