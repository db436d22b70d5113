#ifndef ORVANNE_PRODUCTS_LOCAL_TIME_H_
#define ORVANNE_PRODUCTS_LOCAL_TIME_H_

#include <string>

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

// The local hour and zone of `utcHour` (0 to 23) UTC on the days `first` to
// `last`: "06 CST", or, when the days cross a change, each in the order
// met: "07 CDT/06 CST".
std::string LocalHourText(const IssueDate& first, const IssueDate& last,
                          int utcHour);

// The forecast hour (hours after 1200 UTC of `issued`) at which `day`
// (the day `day` days after `issued`) begins at local midnight: 18 under
// CST, 17 under CDT, and 24 more for each day after.
int LocalMidnightHour(const IssueDate& issued, int day);

#endif  // ORVANNE_PRODUCTS_LOCAL_TIME_H_
