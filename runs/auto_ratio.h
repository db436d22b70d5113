#ifndef ORVANNE_RUNS_AUTO_RATIO_H_
#define ORVANNE_RUNS_AUTO_RATIO_H_

#include <string>

#include "blend/validate_bulletin.h"
#include "verify/verification.h"

// `--ratio auto`: the 1200 Model's ratio taken from the verification of the
// guidance instead of given.

// The verification behind the ratio for a bulletin whose headers the run
// has checked: the kDefaultVerifiedDays days ending the day before its
// issue date, from the archive (`archive` as --archive gives it; empty:
// $ORVANNE_ARCHIVE or the data folder). Its sections 1 to 4 must be the
// blend of models' (NBM): the ratio weighs it against the GFS. False, with
// `err` the one line to print, when the bulletin is not of the NBM, the
// archive cannot be found or too few days are verified.
bool VerifyForBulletin(const BulletinHeaders& headers,
                       const std::string& archive, Verification* verification,
                       std::string* err);

#endif  // ORVANNE_RUNS_AUTO_RATIO_H_
