#ifndef ORVANNE_PAGE_DAY_PAGE_H_
#define ORVANNE_PAGE_DAY_PAGE_H_

#include <string>

#include "record/forecast_record.h"

// A morning's page, ARCHIVE/YYYY-MM-DD/index.html: the picture beside it,
// the seven days' table, the ratio, links to the morning's report,
// bulletin and record, and back to the index. Only the record is read.
std::string DayPageHtml(const ForecastRecord& record);

#endif  // ORVANNE_PAGE_DAY_PAGE_H_
