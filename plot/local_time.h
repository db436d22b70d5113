#ifndef ORVANNE_PLOT_LOCAL_TIME_H_
#define ORVANNE_PLOT_LOCAL_TIME_H_

#include "products/issue_date.h"

// Orvanne's local time, US Central, by the US rule: standard time (CST,
// UTC-6), daylight time (CDT, UTC-5) from 2:00 local on the second Sunday of
// March (08:00 UTC) to 2:00 local on the first Sunday of November (07:00
// UTC). The program knows no other place, so it needs no time zone tables.

// The local time's offset from UTC in hours (-6 or -5) at `hour` (0 to 23)
// UTC on `day`.
int CentralOffsetHours(const IssueDate& day, int hour);

// "CDT" for an offset of -5, else "CST".
const char* CentralZoneName(int offsetHours);

#endif  // ORVANNE_PLOT_LOCAL_TIME_H_
