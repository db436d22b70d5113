#ifndef ORVANNE_PAGE_VERIFICATION_SECTION_H_
#define ORVANNE_PAGE_VERIFICATION_SECTION_H_

#include <nlohmann/json.hpp>
#include <string>

// The index's section on how good the guidance was, from `verify --json`'s
// document: the window and the suggested ratio, the scores by guidance and
// lead day (count, bias and mean absolute error of the highs and of the
// lows), the backtest's line (what following the ratio would have given on
// days 1 and 2, beside each guidance alone, over all their highs and lows,
// weighted by count) and its table. A null `verification` says, in one
// line, that too few days are verified yet. Entries that lack a field are
// passed over; nothing in the document stops the page.
std::string VerificationSection(const nlohmann::json* verification);

#endif  // ORVANNE_PAGE_VERIFICATION_SECTION_H_
