#ifndef ORVANNE_VERIFY_VERIFICATION_JSON_H_
#define ORVANNE_VERIFY_VERIFICATION_JSON_H_

#include <string>

#include "verify/verification.h"

// The layout of verify's document; 2 since it has ISO dates, the units,
// the stations, the city's own scores and the biases by station.
inline constexpr int kVerificationSchema = 2;

// The verification as one JSON document, for `verify --json`:
// - "schema" (kVerificationSchema), "units" "F", "first", "last" and
//   "until" ("2026-10-20"; "until" the last day), "days", "verified_days";
// - "stations": the stations observed, each {"station", "weight"} with its
//   1200 Model weight;
// - "scores": one object a guidance, lead day and element: "guidance" GFS,
//   NBM or GFSX, "lead_day", "element" max or min, "count", "bias", "mae",
//   "rmse";
// - "ratio", and "ratio_bias_removed" (the ratio from the errors with the
//   biases removed, for the morning after the last day);
// - "backtest": {"entries": one object a forecast, lead day and element
//   ("forecast", "lead_day", "element", "count", "mae"), "summary": the
//   printed summary's figures, {"days_1_and_2": {"blend", "GFS", "NBM",
//   "blend, bias removed"}, "days_3_to_7": {"GFSX", "GFSX, bias
//   removed"}}};
// - "city": one object a lead day and element: "lead_day", "element",
//   "count", "bias", "mae", "rmse", "alone": [{"guidance", "mae",
//   "skill"}] for each guidance the city forecast takes at that lead day;
// - "biases": one object a guidance, station (KBKX too), element and lead
//   day the 1200 Model can correct, for the morning after the last day:
//   "guidance", "station", "element", "lead_day", "count", "bias",
//   "standard_error", "removed" (the bias removed, or null when held back).
// Every figure is in hundredths as the tables print them, a number; a
// figure of no pair is null. The text ends with a line end.
std::string VerificationJson(const Verification& verification);

// The document when too few days are verified: "schema", "units",
// "first", "last", "until", "days", "verified_days" and "error", the
// sentence saying why.
std::string VerificationErrorJson(const Verification& verification,
                                  const std::string& error);

#endif  // ORVANNE_VERIFY_VERIFICATION_JSON_H_
