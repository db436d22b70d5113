#ifndef ORVANNE_RUNS_RUN_STATION_BLEND_H_
#define ORVANNE_RUNS_RUN_STATION_BLEND_H_

#include <string>
#include <vector>

#include "common/run_frame.h"
#include "runs/auto_ratio.h"

// Menu entry 1, the "1200 Model": the seven-day forecast for the city of
// Orvanne from a twelve-section guidance bulletin. Asks for the Primary
// guidance's weight unless the request gives it. With kAsTyped units it leaves
// an empty report and prints no word of success.
bool RunStationBlend(Console& console, const RunRequest& request);

// What a 1200 Model run used, for a caller that names it afterwards: the
// primary guidance's ratio and the lines --ratio auto printed (the ratio's
// and the biases').
struct BlendRunFacts {
  double primaryRatio = 0;
  std::vector<std::string> choiceLines;
};

// The same run with the verification of the window before the bulletin's
// issue date already made (`known`; nullptr: made here when --ratio auto
// needs it), and what it used in `facts` (when given).
bool RunStationBlendWith(Console& console, const RunRequest& request,
                         const WindowVerification* known,
                         BlendRunFacts* facts);

#endif  // ORVANNE_RUNS_RUN_STATION_BLEND_H_
