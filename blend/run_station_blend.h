#ifndef ORVANNE_BLEND_RUN_STATION_BLEND_H_
#define ORVANNE_BLEND_RUN_STATION_BLEND_H_

#include <istream>
#include <ostream>

// Menu entry 1, the "1200 Model": the seven-day forecast for the city of
// Orvanne from a twelve-section guidance bulletin, with the console as
// `in`/`out`.
void RunStationBlend(std::istream& in, std::ostream& out, int unitSystem);

#endif  // ORVANNE_BLEND_RUN_STATION_BLEND_H_
