#ifndef ORVANNE_VERIFY_VERIFICATION_JSON_H_
#define ORVANNE_VERIFY_VERIFICATION_JSON_H_

#include <string>

#include "verify/verification.h"

// The verification as one JSON document, for `verify --json`: "first" and
// "last" (dates as the table writes them), "days", "verified_days",
// "scores" (one object a guidance, lead day and element: "guidance" GFS,
// NBM or GFSX, "lead_day", "element" max or min, "count", "bias", "mae"),
// "ratio", and "backtest" (one object a forecast, lead day and element:
// "forecast", "lead_day", "element", "count", "mae"). Every figure is
// rounded to hundredths as the table prints it, a number; a bias or MAE of
// no pair is null. The text ends with a line end.
std::string VerificationJson(const Verification& verification);

#endif  // ORVANNE_VERIFY_VERIFICATION_JSON_H_
