#include "blend/day_hours.h"

#include "blend/city_forecast.h"
#include "products/local_time.h"

std::string DewPointName(const std::optional<IssueDate>& issued, bool evening) {
  if (!issued)
    return evening ? "Dew point 00 UTC" : "Dew point 12 UTC";
  // The evening's 00 UTC falls on the date after each day.
  const int after = evening ? 1 : 0;
  return "Dew point " +
         LocalHourText(AddDays(*issued, 1 + after),
                       AddDays(*issued, kForecastDays + after),
                       evening ? kEveningDewPointUtc : kMorningDewPointUtc);
}
