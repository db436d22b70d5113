#ifndef ORVANNE_PAGE_VERIFICATION_SECTION_H_
#define ORVANNE_PAGE_VERIFICATION_SECTION_H_

#include <string>

#include "verify/verification.h"

// The index's section on how good the guidance was, from the verification
// of the days before the latest morning: the window and the suggested
// ratio, the scores by guidance and lead day (count, bias and mean absolute
// error of the highs and of the lows; a guidance and lead day without a
// pair is left out), the backtest's line (what following the ratio would
// have given on days 1 and 2, beside each guidance alone, from the exact
// sums of all their highs and lows) and its table. No `verification`, or
// one with fewer than kLeastVerifiedDays verified days, says in one line
// that too few days are verified yet.
std::string VerificationSection(const Verification* verification);

#endif  // ORVANNE_PAGE_VERIFICATION_SECTION_H_
