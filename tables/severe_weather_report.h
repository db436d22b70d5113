#ifndef ORVANNE_TABLES_SEVERE_WEATHER_REPORT_H_
#define ORVANNE_TABLES_SEVERE_WEATHER_REPORT_H_

#include <ostream>

#include "tables/severe_weather.h"

// Writes the severe weather report, the rows already in the report's units:
// a heading line in Standard (1) or Metric (2) words, none for any other
// unit system, then one line per row with its hour and its ten values,
// eleven left-adjusted columns in all.
void WriteSevereWeatherReport(std::ostream& out, const SevereTable& table,
                              int unitSystem);

#endif  // ORVANNE_TABLES_SEVERE_WEATHER_REPORT_H_
