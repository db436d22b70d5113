#ifndef ORVANNE_VERIFY_BLEND_BIASES_H_
#define ORVANNE_VERIFY_BLEND_BIASES_H_

#include <string>

#include "blend/temperature_biases.h"
#include "verify/station_biases.h"

// `--bias auto`: the biases the 1200 Model removes, from a verification's
// judged station biases (see JudgeBiases).

// The hundredths removed at each station: the NBM's (primary) and the
// GFS's (secondary) of day 1's minimum and maximum and day 2's, the
// GFSX's (extended) minimum and maximum of days 3 to 7; none where the
// cell was held back.
TemperatureBiases BiasesForBlend(const StationBiases& biases);

// The line saying what was removed and how many cells were held back:
// "Bias removed from the highs and lows: NBM day 1 KHON +1.00/-, ...; 70
// of 72 cells held back as too few or within the noise.", each guidance,
// day and station with a bias removed, its maximum's then its minimum's
// ("-" for none); "none" when nothing was removed.
std::string BiasRemovedLine(const StationBiases& biases);

#endif  // ORVANNE_VERIFY_BLEND_BIASES_H_
