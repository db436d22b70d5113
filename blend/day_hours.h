#ifndef ORVANNE_BLEND_DAY_HOURS_H_
#define ORVANNE_BLEND_DAY_HOURS_H_

#include <optional>
#include <string>

#include "products/issue_date.h"

// The hours the 1200 Model's day values stand for. Each day's two dew
// points are the bulletin's DPT at 12 UTC of the day (the 7th and 15th
// columns after 18 UTC of the issue date, every three hours; the extended
// rows' first of each kept pair) and at 00 UTC after it (the 11th and 19th;
// the second of each pair): the morning and the evening, never the day's
// lowest and highest. In the report they keep the headings LowDPT and
// HighDPT.

inline constexpr int kMorningDewPointUtc = 12;  // of the day
inline constexpr int kEveningDewPointUtc = 0;   // of the day after

// "Dew point 06 CST" (morning) or "Dew point 18 CST" (evening) for the
// seven days after `issued`, both zones when the week crosses a change
// ("Dew point 07 CDT/06 CST"); without a date, in UTC ("Dew point 12 UTC").
std::string DewPointName(const std::optional<IssueDate>& issued, bool evening);

#endif  // ORVANNE_BLEND_DAY_HOURS_H_
