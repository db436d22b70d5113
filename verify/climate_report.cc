#include "verify/climate_report.h"

#include <array>
#include <cstdio>
#include <vector>

#include "common/token_reads.h"
#include "products/line_reader.h"

namespace {

constexpr std::array<std::string_view, 12> kMonths{
    "JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
    "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};

constexpr std::string_view kSummaryWords = "CLIMATE SUMMARY FOR";

// `text` in capitals, into `upper`.
void Upper(std::string_view text, std::string* upper) {
  upper->assign(text);
  for (char& c : *upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
}

// The words of `text`, into `words`.
void SplitWords(std::string_view text, std::vector<std::string_view>* words) {
  words->clear();
  for (std::string_view word = CutWord(&text); !word.empty();
       word = CutWord(&text))
    words->push_back(word);
}

// A line holding only a start of heading (0x01) or end of text (0x03).
bool IsTransmissionLine(std::string_view line) {
  const std::string_view word = CutWord(&line);
  return word.size() == 1 && (word[0] == '\x01' || word[0] == '\x03') &&
         CutWord(&line).empty();
}

// 1 to 12 for a month written out, in three letters or as "SEPT", with or
// without a dot after it; 0 for anything else.
int MonthNumber(std::string_view word) {
  if (!word.empty() && word.back() == '.') word.remove_suffix(1);
  for (std::size_t i = 0; i < kMonths.size(); ++i)
    if (word == kMonths[i] ||
        (word.size() == 3 && kMonths[i].starts_with(word)))
      return static_cast<int>(i) + 1;
  return word == "SEPT" ? 9 : 0;
}

// The digits `word` starts with, at most `most` of them, when what follows
// them is only `allowedAfter` characters.
std::string_view LeadingDigits(std::string_view word, std::size_t most,
                               std::string_view allowedAfter) {
  std::size_t n = 0;
  while (n < word.size() && IsDigit(word[n])) ++n;
  if (n == 0 || n > most ||
      word.find_first_not_of(allowedAfter, n) != std::string_view::npos)
    return {};
  return word.substr(0, n);
}

// "DECEMBER 7 2026..." as a date: month, day (a comma may follow), year
// (dots may follow), checked as every issue date is.
bool ReadSummaryDate(const std::vector<std::string_view>& words,
                     IssueDate* day) {
  const int month = MonthNumber(words[0]);
  const std::string_view dayDigits = LeadingDigits(words[1], 2, ",");
  const std::string_view year = LeadingDigits(words[2], 4, ".");
  if (month == 0 || dayDigits.empty() || year.size() != 4) return false;
  const std::string date = std::to_string(month) + "/" +
                           std::string(dayDigits) + "/" + std::string(year);
  return ParseIssueDate(date, day);
}

// The first word after a MAXIMUM or MINIMUM label: a whole number, a flag
// "R", "E" or "(E)" may be glued to it; "MM" or anything else is missing.
std::optional<int> ObservedValue(std::string_view word) {
  const bool negative = word.starts_with('-');
  if (negative) word.remove_prefix(1);
  std::size_t n = 0;
  int value = 0;
  for (; n < word.size() && IsDigit(word[n]) && n < 3; ++n)
    value = value * 10 + (word[n] - '0');
  const std::string_view flag = word.substr(n);
  if (n == 0 || (!flag.empty() && flag != "R" && flag != "E" && flag != "(E)"))
    return std::nullopt;
  return negative ? -value : value;
}

// `first` and `second` the line's first two words, empty when it has fewer.
bool IsTemperatureHeading(std::string_view first, std::string_view second) {
  return first == "TEMPERATURE" && (second.empty() || second.starts_with('('));
}

// A line that ends the temperature table: the next table, or a period line
// after the one read.
bool EndsTable(std::string_view first) {
  return first.starts_with("PRECIP") || first.starts_with("SNOW") ||
         first == "YESTERDAY" || first == "TODAY" || first == "TEMPERATURE";
}

}  // namespace

bool ClimateReportReader::TableDone() const {
  return table_ == Table::kOther ||
         (table_ == Table::kYesterday && maximumSeen_ && minimumSeen_);
}

void ClimateReportReader::Take(std::string_view line) {
  if (summaryRead_ && TableDone()) return;
  Upper(line, &upper_);
  const std::string_view upper = upper_;
  if (!summaryRead_) {
    const std::size_t at = upper.find(kSummaryWords);
    if (at != std::string::npos) {
      summaryStarted_ = true;
      TakeSummaryWords(upper.substr(at + kSummaryWords.size()));
      return;
    }
    // The date may stand on the line after the summary's words.
    if (summaryStarted_) TakeSummaryWords(upper);
    summaryStarted_ = false;
    summaryWords_.clear();
  }
  TakeTableLine(upper);
}

void ClimateReportReader::TakeSummaryWords(std::string_view words) {
  summaryWords_ += ' ';
  summaryWords_ += words;
  SplitWords(summaryWords_, &words_);
  if (words_.size() < 3) return;
  summaryStarted_ = false;
  summaryRead_ = ReadSummaryDate(words_, &day_);
  summaryWords_.clear();
}

void ClimateReportReader::TakeTableLine(std::string_view line) {
  if (TableDone()) return;
  // Only a line's first two words count.
  const std::string_view first = CutWord(&line);
  const std::string_view second = CutWord(&line);
  if (first.empty()) return;
  switch (table_) {
    case Table::kNotYet:
      if (IsTemperatureHeading(first, second)) table_ = Table::kHeading;
      return;
    case Table::kHeading:
      if (first == "YESTERDAY") table_ = Table::kYesterday;
      if (first == "TODAY" || first.starts_with("PRECIP"))
        table_ = Table::kOther;
      return;
    case Table::kYesterday:
      if (EndsTable(first)) {
        maximumSeen_ = minimumSeen_ = true;
      } else if (first == "MAXIMUM" && !maximumSeen_) {
        maximumSeen_ = true;
        if (!second.empty()) values_.maximum = ObservedValue(second);
      } else if (first == "MINIMUM" && !minimumSeen_) {
        minimumSeen_ = true;
        if (!second.empty()) values_.minimum = ObservedValue(second);
      }
      return;
    case Table::kOther:
      return;
  }
}

bool ClimateReportReader::Complete(ClimateSummary* summary) const {
  if (!summaryRead_ || table_ != Table::kYesterday) return false;
  *summary = values_;
  summary->day = day_;
  return true;
}

std::optional<ClimateSummary> ReadClimateReport(std::string_view text) {
  ClimateReportReader reader;
  while (!text.empty()) {
    reader.Take(CutLine(&text));
  }
  ClimateSummary summary;
  if (!reader.Complete(&summary)) return std::nullopt;
  return summary;
}

void ReadClimateFile(const std::string& path,
                     const std::function<void(const ClimateSummary&)>& found) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return;
  LineReader lines(file);
  ClimateReportReader reader;
  const auto finish = [&] {
    ClimateSummary summary;
    if (reader.Complete(&summary)) found(summary);
    reader = ClimateReportReader();
  };
  Line line;
  while (lines.Next(line)) {
    if (line.overlong) continue;
    if (IsTransmissionLine(line.text))
      finish();
    else
      reader.Take(line.text);
  }
  finish();
  std::fclose(file);
}
