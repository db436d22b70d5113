#ifndef ORVANNE_PRODUCTS_ISSUE_DATE_H_
#define ORVANNE_PRODUCTS_ISSUE_DATE_H_

#include <compare>
#include <string>
#include <string_view>

// The issue date of a guidance block, compared as a date: "9/01/2020" and
// "09/01/2020" are the same day.
struct IssueDate {
  int year = 0;
  int month = 0;
  int day = 0;

  // Year first, so dates order by time.
  auto operator<=>(const IssueDate&) const = default;
};

// Reads "month/day/year": a month of one or two digits (1 to 12), a day of
// one or two digits that the month has (29 February in leap years only), and
// a year of four digits (0001 to 9999). Nothing else may stand in `text`.
bool ParseIssueDate(std::string_view text, IssueDate* date);

// The fields of "month/day/year" as ParseIssueDate reads them, whether or
// not they make a day (13/01/2026 and 2/30/2026 read too).
bool ReadDateFields(std::string_view text, IssueDate* fields);

// The days of `month` (1 to 12) in `year`: 29 for a leap February.
int DaysInMonth(int year, int month);

// The date as the guidance headers write it: the month without a leading
// zero, the day with two digits ("9/01/2020", "12/08/2026").
std::string FormatIssueDate(const IssueDate& date);

// The day `days` days after `date` (before it for a negative count).
IssueDate AddDays(const IssueDate& date, int days);

// The day of the week, 0 for Sunday to 6 for Saturday.
int Weekday(const IssueDate& date);

// The day of the week in three letters: "Sun" to "Sat".
std::string_view WeekdayName(const IssueDate& date);

// The date as "YYYY-MM-DD", the way the archive's folders and the product
// service's queries name days.
std::string FormatIsoDate(const IssueDate& date);

// Today's date in UTC, from the system clock.
IssueDate TodayUtc();

#endif  // ORVANNE_PRODUCTS_ISSUE_DATE_H_
