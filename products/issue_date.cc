#include "products/issue_date.h"

#include <chrono>
#include <cstdio>

#include "common/token_reads.h"

namespace {

// Takes `least` to `most` digits from the front of `text` as a number.
bool TakeNumber(std::string_view& text, std::size_t least, std::size_t most,
                int& number) {
  std::size_t count = 0;
  number = 0;
  while (count < text.size() && count < most && IsDigit(text[count]))
    number = number * 10 + (text[count++] - '0');
  text.remove_prefix(count);
  return count >= least;
}

bool TakeSlash(std::string_view& text) {
  if (text.empty() || text.front() != '/') return false;
  text.remove_prefix(1);
  return true;
}

}  // namespace

int DaysInMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

bool ReadDateFields(std::string_view text, IssueDate* fields) {
  IssueDate read;
  if (!TakeNumber(text, 1, 2, read.month) || !TakeSlash(text) ||
      !TakeNumber(text, 1, 2, read.day) || !TakeSlash(text) ||
      !TakeNumber(text, 4, 4, read.year) || !text.empty())
    return false;
  *fields = read;
  return true;
}

bool ParseIssueDate(std::string_view text, IssueDate* date) {
  IssueDate read;
  if (!ReadDateFields(text, &read) || read.year < 1 || read.month < 1 ||
      read.month > 12 || read.day < 1 ||
      read.day > DaysInMonth(read.year, read.month))
    return false;
  *date = read;
  return true;
}

std::string FormatIssueDate(const IssueDate& date) {
  std::string text = std::to_string(date.month) + "/";
  if (date.day < 10) text += '0';
  text += std::to_string(date.day) + "/";
  const std::string year = std::to_string(date.year);
  text += std::string(4 - year.size(), '0') + year;
  return text;
}

namespace {

namespace chrono = std::chrono;

chrono::sys_days ToDays(const IssueDate& date) {
  return chrono::year{date.year} / chrono::month(date.month) /
         chrono::day(date.day);
}

IssueDate FromDays(chrono::sys_days days) {
  const chrono::year_month_day ymd(days);
  return {static_cast<int>(ymd.year()),
          static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

}  // namespace

IssueDate AddDays(const IssueDate& date, int days) {
  return FromDays(ToDays(date) + chrono::days(days));
}

std::string_view WeekdayName(const IssueDate& date) {
  static constexpr std::string_view kNames[] = {"Sun", "Mon", "Tue", "Wed",
                                                "Thu", "Fri", "Sat"};
  return kNames[Weekday(date)];
}

int Weekday(const IssueDate& date) {
  return static_cast<int>(chrono::weekday(ToDays(date)).c_encoding());
}

std::string FormatIsoDate(const IssueDate& date) {
  // Written digit by digit: every archived file's path holds one.
  const auto inRange = [](int value, int most) {
    return value >= 0 && value <= most;
  };
  if (inRange(date.year, 9999) && inRange(date.month, 99) &&
      inRange(date.day, 99)) {
    const auto digit = [](int value, int place) {
      return static_cast<char>('0' + value / place % 10);
    };
    return {digit(date.year, 1000), digit(date.year, 100), digit(date.year, 10),
            digit(date.year, 1),    '-',
            digit(date.month, 10),  digit(date.month, 1),
            '-',                    digit(date.day, 10),
            digit(date.day, 1)};
  }
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month,
                date.day);
  return text;
}

IssueDate TodayUtc() {
  return FromDays(chrono::floor<chrono::days>(chrono::system_clock::now()));
}
