#ifndef ORVANNE_BLEND_BLEND_REPORT_H_
#define ORVANNE_BLEND_BLEND_REPORT_H_

#include <ostream>

#include "blend/city_forecast.h"
#include "common/units.h"

// How the city's forecast is laid out. Both write nothing for kAsTyped.

// The seven-day table (temperatures, dew points, precipitation chances) as
// the console shows it.
void PrintDayTable(std::ostream& console, const CityForecast& forecast,
                   UnitSystem units);

// The whole report: title, the day table, and the cloud cover and wind
// table by forecast hour. Leaves `file` switched to fixed notation with two
// decimals.
void WriteBlendReport(std::ostream& file, const CityForecast& forecast,
                      UnitSystem units);

#endif  // ORVANNE_BLEND_BLEND_REPORT_H_
