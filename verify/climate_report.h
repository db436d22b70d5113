#ifndef ORVANNE_VERIFY_CLIMATE_REPORT_H_
#define ORVANNE_VERIFY_CLIMATE_REPORT_H_

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "products/issue_date.h"

// Reading the daily climate report of a station: the day it sums up and
// that day's observed maximum and minimum temperature. Reports are written
// by hand in many offices, so every value is found by its label, never by
// its column.

struct ClimateSummary {
  IssueDate day;  // the day of "...CLIMATE SUMMARY FOR DECEMBER 7 2026..."
  std::optional<int> maximum;  // °F; empty when written "MM" or unreadable
  std::optional<int> minimum;
};

// Takes the lines of one report, one at a time, without their ends.
//
// The summary line: "CLIMATE SUMMARY FOR", the month written out or in three
// letters, the day with or without a leading zero, the year (the date may
// go on to the next line). The temperature table: a line whose first word is
// "TEMPERATURE" (alone or with a unit such as "(F)"), then the line naming
// its period: "YESTERDAY", a complete day, or "TODAY", part of a day, never
// used. In a "YESTERDAY" table the first word after "MAXIMUM" and after
// "MINIMUM" is the value, with a flag "R", "E" or "(E)" glued to it or not;
// "MM" is missing. The table ends at the "PRECIPITATION" table or at another
// period line.
class ClimateReportReader {
 public:
  void Take(std::string_view line);

  // True when the lines held the summary line and a "YESTERDAY" table: a
  // complete day's report. Fills `summary` then.
  bool Complete(ClimateSummary* summary) const;

 private:
  enum class Table { kNotYet, kHeading, kYesterday, kOther };

  void TakeSummaryWords(std::string_view words);
  void TakeTableLine(std::string_view line);
  // Whether no later line can change the table's values.
  bool TableDone() const;

  std::string summaryWords_;  // the words after "CLIMATE SUMMARY FOR"
  bool summaryStarted_ = false;
  bool summaryRead_ = false;
  IssueDate day_;
  Table table_ = Table::kNotYet;
  bool maximumSeen_ = false;
  bool minimumSeen_ = false;
  ClimateSummary values_;
  // Room for the line being read, kept from line to line.
  std::string upper_;
  std::vector<std::string_view> words_;
};

// The complete day's report one text holds, its lines ended by "\n" (a
// "\r" before it is dropped); nothing when it holds none.
std::optional<ClimateSummary> ReadClimateReport(std::string_view text);

// Reads an archived climate report file: each product between a line holding
// only 0x01 and one holding only 0x03 (without them, the file is one
// product). Calls `found` with each complete day's report, in file order. A
// file that cannot be opened holds none.
void ReadClimateFile(const std::string& path,
                     const std::function<void(const ClimateSummary&)>& found);

#endif  // ORVANNE_VERIFY_CLIMATE_REPORT_H_
