#ifndef ORVANNE_APP_AUTO_RATIO_H_
#define ORVANNE_APP_AUTO_RATIO_H_

#include <string>

#include "common/run_frame.h"
#include "verify/verification.h"

// `--ratio auto`: the 1200 Model's ratio taken from the verification of the
// guidance instead of given.

// The verification behind the ratio for a bulletin: the kDefaultVerifiedDays
// days ending the day before its issue date, from the archive (`archive` as
// --archive gives it; empty: $ORVANNE_ARCHIVE or the data folder). Its
// sections 1 to 4 must be the blend of models' (NBM): the ratio weighs it
// against the GFS. False, with `err` the one line to print, when the
// bulletin is invalid, is not of the NBM, or too few days are verified.
bool VerifyForBulletin(const std::string& bulletinName,
                       const std::string& archive, Verification* verification,
                       std::string* err);

// Runs `run` (the 1200 Model) with the ratio found for the request's
// bulletin, after the line naming it; on a problem prints its line and runs
// nothing. True when the run wrote its report.
bool RunWithAutoRatio(RunFunction run, RunRequest request,
                      const std::string& archive, Console& console);

#endif  // ORVANNE_APP_AUTO_RATIO_H_
