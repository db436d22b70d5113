#ifndef ORVANNE_RECORD_TEST_RECORDS_H_
#define ORVANNE_RECORD_TEST_RECORDS_H_

#include "record/forecast_record.h"

// Records for the tests, with values worked out by hand: issued on
// `issued`, day d's low 20 + d + shift, high 30 + d + shift, dew points
// 10 + d and 15 + d, chances 10 * d (and 5 for days 1 and 2's first half);
// sky row k cloud k / 30, speed k + 0.5, a direction on the short-range
// rows. Ratio 0.6 typed, Standard units, models NBM and GFS and GFSX.
ForecastRecord TestRecord(const IssueDate& issued, double shift = 0);

#endif  // ORVANNE_RECORD_TEST_RECORDS_H_
