#include "record/test_records.h"

ForecastRecord TestRecord(const IssueDate& issued, double shift) {
  ForecastRecord record;
  record.issued = issued;
  record.primaryRatio = 0.6;
  record.secondaryRatio = 1.0 - 0.6;
  for (int section = 0; section < kSectionCount; ++section)
    record.models[section] = section < 4 ? "NBM" : section < 8 ? "GFS" : "GFSX";
  for (int d = 1; d <= kForecastDays; ++d) {
    DayRow& row = record.forecast.days[d - 1];
    row = {d,        20 + d + shift, 30 + d + shift, 10.0 + d,
           15.0 + d, std::nullopt,   10.0 * d};
    if (d <= 2) row.lowProbPrec = 5;
  }
  for (int k = 0; k < kSkyRows; ++k) {
    SkyRow& row = record.forecast.sky[k];
    row.hour = k < kShortSkyHours ? 6 + 3 * k : 72 + 12 * (k - kShortSkyHours);
    row.cloud = k / 30.0;
    row.speed = k + 0.5;
    if (k < kShortSkyHours) row.direction = k;
  }
  return record;
}
