#ifndef ORVANNE_RUNS_RUN_STATION_BLEND_H_
#define ORVANNE_RUNS_RUN_STATION_BLEND_H_

#include "common/run_frame.h"

// Menu entry 1, the "1200 Model": the seven-day forecast for the city of
// Orvanne from a twelve-section guidance bulletin. Asks for the Primary
// guidance's weight unless the request gives it. With kAsTyped units it leaves
// an empty report and prints no word of success.
bool RunStationBlend(Console& console, const RunRequest& request);

#endif  // ORVANNE_RUNS_RUN_STATION_BLEND_H_
