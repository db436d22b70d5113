#ifndef ORVANNE_VERIFY_BACKTEST_TABLE_H_
#define ORVANNE_VERIFY_BACKTEST_TABLE_H_

#include <ostream>

#include "verify/backtest.h"

// The backtest as `verify` prints it: a heading, one line a forecast and
// lead day (pairs, mean absolute error of the maxima, of the minima and of
// both), then what following the ratio would have given on days 1 and 2
// against each guidance alone, and what removing the GFSX's bias would have
// given on days 3 to 7; or one line saying no morning could be backtested.
void PrintBacktest(std::ostream& out, const Backtest& backtest);

#endif  // ORVANNE_VERIFY_BACKTEST_TABLE_H_
