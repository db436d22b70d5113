#ifndef ORVANNE_RUNS_AUTO_RATIO_H_
#define ORVANNE_RUNS_AUTO_RATIO_H_

#include <string>
#include <vector>

#include "blend/temperature_biases.h"
#include "blend/validate_bulletin.h"
#include "common/run_frame.h"
#include "record/forecast_record.h"
#include "verify/verification.h"

// `--ratio auto`: the 1200 Model's ratio (and with `--bias auto` the
// guidance's biases) taken from the verification of the guidance instead of
// given.

// The verification behind the ratio for a bulletin whose headers the run
// has checked: the kDefaultVerifiedDays days ending the day before its
// issue date, from the archive (`archive` as --archive gives it; empty:
// $ORVANNE_ARCHIVE or the data folder). Its sections 1 to 4 must be the
// blend of models' (NBM): the ratio weighs it against the GFS. False, with
// `err` the one line to print, when the bulletin is not of the NBM, the
// archive cannot be found or too few days are verified; `tooFew` (when
// given) then tells the last apart, `verification` holding its count.
// `ratioAuto` false: only the biases are asked for, and the refusal of a
// bulletin not of the NBM says so.
bool VerifyForBulletin(const BulletinHeaders& headers,
                       const std::string& archive, Verification* verification,
                       std::string* err, bool* tooFew = nullptr,
                       bool ratioAuto = true);

// What --ratio auto or --bias auto chose: the ratio (for --ratio auto),
// where it came from, and the biases to take off (none without --bias
// auto, with the fallback ratio or, for a typed ratio, too few days).
struct VerifiedChoice {
  double ratio = 0;
  RatioSource source = RatioSource::kVerification;
  TemperatureBiases biases;
  std::vector<RemovedBias> removed;  // the same biases, for the record
};

// Makes the choice for the request's --ratio auto, --fallback-ratio and
// --bias auto, printing the line naming the ratio (with --bias auto the
// ratio from the errors with the biases removed) and the line of the
// biases removed on `console.out`, and each record verification could not
// read on `console.err`. With a typed ratio and --bias auto only the
// biases are chosen. False, with its line printed on `console.err`, when
// the run must stop.
bool ChooseVerifiedRatio(Console& console, const RunRequest& request,
                         const BulletinHeaders& headers,
                         VerifiedChoice* choice);

#endif  // ORVANNE_RUNS_AUTO_RATIO_H_
