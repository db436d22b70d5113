#ifndef ORVANNE_RUNS_AUTO_RATIO_H_
#define ORVANNE_RUNS_AUTO_RATIO_H_

#include <string>
#include <vector>

#include "blend/temperature_biases.h"
#include "blend/validate_bulletin.h"
#include "common/run_frame.h"
#include "products/issue_date.h"
#include "record/forecast_record.h"
#include "verify/verification.h"

// `--ratio auto`: the 1200 Model's ratio (and with `--bias auto` the
// guidance's biases) taken from the verification of the guidance instead of
// given.

// The verification of the kDefaultVerifiedDays days ending the day before
// a morning, made once a run and handed to the ratio and to the pages.
struct WindowVerification {
  bool verified = false;      // at least kLeastVerifiedDays days verified
  Verification verification;  // its verifiedDays counted also when too few
  std::string problem;        // the line saying why, when not verified
};

// That verification of the archive folder `archive` (found already) for
// the morning `morning`.
WindowVerification VerifyWindowBefore(const std::string& archive,
                                      const IssueDate& morning);

// What --ratio auto or --bias auto chose: the ratio (for --ratio auto),
// where it came from, the biases to take off (none without --bias auto,
// with the fallback ratio or, for a typed ratio, too few days), and the
// lines that say so, for the run to print.
struct VerifiedChoice {
  double ratio = 0;
  RatioSource source = RatioSource::kVerification;
  TemperatureBiases biases;
  std::vector<RemovedBias> removed;  // the same biases, for the record
  std::vector<std::string> lines;    // the ratio's line, then the biases'
  std::vector<std::string> warnings;  // records the verification could not read
};

// Makes the choice for the request's --ratio auto, --fallback-ratio and
// --bias auto on a bulletin whose headers the run has checked; with a
// typed ratio and --bias auto only the biases are chosen. With --bias
// auto and --ratio auto the ratio is the one from the errors with the
// biases removed. `known` is the verification of the window before the
// bulletin's issue date when the caller made it already (the morning's);
// otherwise it is made here from `request.archive`. The bulletin's sections
// 1 to 4 must be the blend of models' (NBM). False, with `err` the one line
// to print, when the bulletin is not of the NBM, has no issue date, the
// archive folder does not exist, or too few days are verified and no
// fallback ratio is given.
bool ChooseVerifiedRatio(const RunRequest& request,
                         const BulletinHeaders& headers,
                         const WindowVerification* known,
                         VerifiedChoice* choice, std::string* err);

#endif  // ORVANNE_RUNS_AUTO_RATIO_H_
