#ifndef ORVANNE_VERIFY_VERIFICATION_TABLE_H_
#define ORVANNE_VERIFY_VERIFICATION_TABLE_H_

#include <ostream>

#include "verify/verification.h"

// The verification as `verify` prints it: a heading naming the stations and
// the days, one row a guidance (values compared, bias and mean absolute
// error of the maxima, of the minima, and of both), and the line
// "suggested ratio: R".
void PrintVerification(std::ostream& out, const Verification& verification);

#endif  // ORVANNE_VERIFY_VERIFICATION_TABLE_H_
