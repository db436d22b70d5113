#ifndef ORVANNE_VERIFY_BLEND_BIASES_H_
#define ORVANNE_VERIFY_BLEND_BIASES_H_

#include <string>

#include "blend/temperature_biases.h"
#include "verify/verification.h"

// `--bias auto`: the biases the 1200 Model removes, from a verification.

// Each guidance's bias as printed, to hundredths: the NBM's (primary) and
// the GFS's (secondary) of day 1's minimum and maximum and day 2's, the
// GFSX's (extended) minimum and maximum of days 3 to 7; none where the
// verification has no pair.
TemperatureBiases BiasesForBlend(const Verification& verification);

// The line saying what was removed: "Bias removed from the highs and lows:
// NBM day 1 +1.00/-1.00, ...", each guidance and day with the bias of its
// maximum, then of its minimum ("-" for none).
std::string BiasRemovedLine(const Verification& verification);

#endif  // ORVANNE_VERIFY_BLEND_BIASES_H_
