#include "plot/local_time.h"

namespace {

// The day of `month` that is its `nth` Sunday.
IssueDate NthSunday(int year, int month, int nth) {
  const IssueDate first{year, month, 1};
  const int toSunday = (7 - Weekday(first)) % 7;
  return AddDays(first, toSunday + 7 * (nth - 1));
}

}  // namespace

int CentralOffsetHours(const IssueDate& day, int hour) {
  const IssueDate start = NthSunday(day.year, 3, 2);
  const IssueDate end = NthSunday(day.year, 11, 1);
  const bool afterStart = day > start || (day == start && hour >= 8);
  const bool beforeEnd = day < end || (day == end && hour < 7);
  return afterStart && beforeEnd ? -5 : -6;
}

const char* CentralZoneName(int offsetHours) {
  return offsetHours == -5 ? "CDT" : "CST";
}
