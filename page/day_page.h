#ifndef ORVANNE_PAGE_DAY_PAGE_H_
#define ORVANNE_PAGE_DAY_PAGE_H_

#include <string>
#include <vector>

#include "page/archive_records.h"
#include "record/forecast_record.h"
#include "verify/verification.h"

// A morning's page, ARCHIVE/YYYY-MM-DD/index.html: the picture beside it
// (or a line saying none was drawn), the seven days' table, the ratio,
// links to those of the morning's report, bulletin and record that `files`
// finds, and back to the index; then its days already `observed` beside
// its forecast (ObservedDaysTable). Only the record is read.
std::string DayPageHtml(const ForecastRecord& record, const MorningFiles& files,
                        const std::vector<CityObservedDay>& observed);

#endif  // ORVANNE_PAGE_DAY_PAGE_H_
