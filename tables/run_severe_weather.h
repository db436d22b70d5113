#ifndef ORVANNE_TABLES_RUN_SEVERE_WEATHER_H_
#define ORVANNE_TABLES_RUN_SEVERE_WEATHER_H_

#include <istream>
#include <ostream>

// Menu entry 6: re-tabulates the 29 rows of the severe weather table, with
// the potential temperature in the chosen units.
void RunSevereWeather(std::istream& in, std::ostream& out, int unitSystem);

#endif  // ORVANNE_TABLES_RUN_SEVERE_WEATHER_H_
