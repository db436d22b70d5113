#ifndef ORVANNE_VERIFY_VERIFICATION_TABLE_H_
#define ORVANNE_VERIFY_VERIFICATION_TABLE_H_

#include <ostream>

#include "verify/verification.h"

// The verification as `verify` prints it: a heading naming the stations and
// the days; "At lead day 1:" and its table of the 1200 UTC guidance, one
// row a guidance (values compared, bias and mean absolute error of the
// maxima, of the minima, and of both); the table by lead day, one row a
// guidance and lead day (count, bias and mean absolute error of the maxima
// and of the minima); "The city's own forecast", one row a lead day with a
// pair (count, bias, MAE and skill of the highs, then of the lows; the
// skill against the NBM at days 1 and 2, the GFSX after), or a line saying
// no record falls on the days; the line "suggested ratio: R"; then the
// backtest (PrintBacktest).
void PrintVerification(std::ostream& out, const Verification& verification);

#endif  // ORVANNE_VERIFY_VERIFICATION_TABLE_H_
