#ifndef ORVANNE_VERIFY_VERIFICATION_TABLE_H_
#define ORVANNE_VERIFY_VERIFICATION_TABLE_H_

#include <ostream>

#include "verify/verification.h"

// The verification as `verify` prints it: a heading naming the stations and
// the days; the day-1 table of the 1200 UTC guidance, one row a guidance
// (values compared, bias and mean absolute error of the maxima, of the
// minima, and of both); the table by lead day, one row a guidance and lead
// day (count, bias and mean absolute error of the maxima and of the
// minima); the line "suggested ratio: R"; then the backtest (PrintBacktest).
void PrintVerification(std::ostream& out, const Verification& verification);

#endif  // ORVANNE_VERIFY_VERIFICATION_TABLE_H_
