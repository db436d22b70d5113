#include "products/local_time.h"

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

std::string LocalHourText(const IssueDate& first, const IssueDate& last,
                          int utcHour) {
  std::string text;
  std::string lastName;
  for (IssueDate day = first; day <= last; day = AddDays(day, 1)) {
    const int offset = CentralOffsetHours(day, utcHour);
    const int local = (utcHour + offset + 24) % 24;
    const std::string name = std::string{static_cast<char>('0' + local / 10),
                                         static_cast<char>('0' + local % 10)} +
                             " " + CentralZoneName(offset);
    if (name == lastName) continue;
    if (!text.empty()) text += '/';
    text += name;
    lastName = name;
  }
  return text;
}

int LocalMidnightHour(const IssueDate& issued, int day) {
  // The changes fall at 07 and 08 UTC, after every local midnight's 05 or
  // 06 UTC, so the offset at 06 UTC is the one at midnight.
  const int offset = CentralOffsetHours(AddDays(issued, day), 6);
  return 24 * day - 12 - offset;
}
