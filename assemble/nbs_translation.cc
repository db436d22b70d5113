#include "assemble/nbs_translation.h"

#include <array>
#include <climits>
#include <cstddef>
#include <optional>
#include <string_view>

#include "common/console.h"
#include "common/token_reads.h"
#include "products/block_header.h"
#include "products/nbs_columns.h"

namespace {

constexpr std::size_t kNone = std::string_view::npos;

// The 1200 cycle's columns: every three hours from 18 UTC of the issue day,
// forecast hours 6 to 72. The first 19 fall at the valid times of the
// section's 19 columns.
constexpr int kBlockColumns = 23;
constexpr int kSectionColumns = 19;
// The columns at 12 and 00 UTC, where N/X and P12 hold their values.
constexpr std::array<int, 4> kTwelveHourColumns{7, 11, 15, 19};

// A block's row: its label and one blank, then three characters a column,
// values right-aligned. A section's row has a five-character label field.
constexpr std::size_t kFieldWidth = 3;
constexpr std::size_t kSectionLabelWidth = 5;

// In a row with a value in every column, three digits would touch the value
// before them and be read with it as one number.
constexpr int kWidestColumnValue = 99;

// The rows a section is made of, and the time row that places their columns.
enum Row { kUtc, kTxn, kDpt, kSky, kWdr, kWsp, kP12, kRowCount };
constexpr std::array<std::string_view, kRowCount> kRowLabels{
    "UTC", "TXN", "DPT", "SKY", "WDR", "WSP", "P12"};

struct ValueRange {
  int least;
  int most;
};
constexpr ValueRange kAnyValue{INT_MIN, INT_MAX};

struct Block {
  std::string station;
  std::string date;
  // Each row from its label on; empty while not found.
  std::array<std::string_view, kRowCount> rows;
};

struct SectionValues {
  std::array<int, 4> nx{};
  std::array<int, kSectionColumns> dpt{};
  std::array<int, kSectionColumns> sky{};
  std::array<int, kSectionColumns> wdr{};
  std::array<int, kSectionColumns> wsp{};
  std::array<int, 4> p12{};
};

std::string HourText(int column) {
  const int hour = (18 + 3 * (column - 1)) % 24;
  return {static_cast<char>('0' + hour / 10),
          static_cast<char>('0' + hour % 10)};
}

// Finds each needed row by its label, the first word of its line.
bool FindRows(std::string_view text, Block& block, std::string* err) {
  // The header is the first line; rows follow it, indented in a web copy
  // by blanks or tabs.
  CutLine(&text);
  while (!text.empty()) {
    const std::string_view row = WithoutLeadingBlanks(CutLine(&text));
    const std::string_view label = FirstWord(row);
    for (int r = 0; r < kRowCount; ++r) {
      if (label != kRowLabels[r]) continue;
      if (!block.rows[r].empty()) {
        *err =
            Fill("The NBM guidance for {} issued {} at 1200 has two {} rows.",
                 {block.station, block.date, label});
        return false;
      }
      block.rows[r] = row;
    }
  }
  for (int r = 0; r < kRowCount; ++r) {
    if (block.rows[r].empty()) {
      *err = Fill("The NBM guidance for {} issued {} at 1200 has no {} row.",
                  {block.station, block.date, kRowLabels[r]});
      return false;
    }
  }
  return true;
}

// The 1200 cycle's UTC row: 18 21 00 03 ... 12, and nothing after.
bool IsTwelveHundredLayout(std::string_view utcRow) {
  for (int column = 1; column <= kBlockColumns; ++column)
    if (NbsField(utcRow, column) != std::string(" ").append(HourText(column)))
      return false;
  const std::size_t end = kNbsLabelWidth + kNbsFieldWidth * kBlockColumns;
  return utcRow.size() <= end || utcRow.find_first_not_of(' ', end) == kNone;
}

// The value of row `r` at `column`, refused when missing or outside `range`.
bool ReadValue(const Block& block, Row r, int column, ValueRange range,
               int& value, std::string* err) {
  const std::string_view label = kRowLabels[r];
  const std::optional<int> read = NbsFieldValue(block.rows[r], column);
  if (!read) {
    *err = Fill(
        "The NBM guidance for {} issued {} at 1200 has no {} value at {} UTC.",
        {block.station, block.date, label, HourText(column)});
    return false;
  }
  value = *read;
  if (value >= range.least && value <= range.most) return true;
  if (range.most == INT_MAX)
    *err = Fill(
        "The NBM guidance for {} issued {} at 1200 has a {} value of {} at {} UTC, below {}.",
        {block.station, block.date, label, std::to_string(value),
         HourText(column), std::to_string(range.least)});
  else
    *err = Fill(
        "The NBM guidance for {} issued {} at 1200 has a {} value of {} at {} UTC, outside {} to {}.",
        {block.station, block.date, label, std::to_string(value),
         HourText(column), std::to_string(range.least),
         std::to_string(range.most)});
  return false;
}

// A row with values at 00 and 12 UTC only (columns 3, 7, 11, ...) is blank
// at every other column. A value found there means the row stands out of
// place, and the fields read would be cut from its neighbours' digits.
bool ReadTwelveHourValues(const Block& block, Row r, ValueRange range,
                          std::array<int, 4>& values, std::string* err) {
  for (int column = 1; column <= kBlockColumns; ++column) {
    if ((column - 3) % 4 == 0 || NbsField(block.rows[r], column) == "   ")
      continue;
    *err = Fill(
        "The NBM guidance for {} issued {} at 1200 has a {} value at {} UTC, where that row has none: the row is out of place.",
        {block.station, block.date, kRowLabels[r], HourText(column)});
    return false;
  }
  for (std::size_t i = 0; i < values.size(); ++i)
    if (!ReadValue(block, r, kTwelveHourColumns[i], range, values[i], err))
      return false;
  return true;
}

bool ReadColumnValues(const Block& block, Row r, ValueRange range,
                      std::array<int, kSectionColumns>& values,
                      std::string* err) {
  for (int column = 1; column <= kSectionColumns; ++column)
    if (!ReadValue(block, r, column, range, values[column - 1], err))
      return false;
  return true;
}

// Checks that a row written with a value in every column stays readable.
bool FitsColumns(const Block& block, Row r,
                 const std::array<int, kSectionColumns>& values,
                 std::string* err) {
  for (int column = 1; column <= kSectionColumns; ++column) {
    const int value = values[column - 1];
    if (value > kWidestColumnValue) {
      *err = Fill(
          "The NBM guidance for {} issued {} at 1200 has a {} value of {} at {} UTC, too wide for the 1200 Model's rows (at most 99).",
          {block.station, block.date, kRowLabels[r], std::to_string(value),
           HourText(column)});
      return false;
    }
  }
  return true;
}

bool ReadSectionValues(const Block& block, SectionValues& v, std::string* err) {
  return ReadTwelveHourValues(block, kTxn, kAnyValue, v.nx, err) &&
         ReadColumnValues(block, kDpt, kAnyValue, v.dpt, err) &&
         FitsColumns(block, kDpt, v.dpt, err) &&
         ReadColumnValues(block, kSky, {0, 100}, v.sky, err) &&
         ReadColumnValues(block, kWdr, {0, 36}, v.wdr, err) &&
         ReadColumnValues(block, kWsp, {0, INT_MAX}, v.wsp, err) &&
         FitsColumns(block, kWsp, v.wsp, err) &&
         ReadTwelveHourValues(block, kP12, {0, 100}, v.p12, err);
}

// The short-range cloud word of a sky cover percentage: the nearest whole
// number of eighths, percent / 12.5 with halves up, in whole numbers.
std::string_view CloudWord(int percent) {
  const int eighths = (4 * percent + 25) / 50;
  if (eighths == 0) return "CL";
  if (eighths <= 2) return "FW";
  if (eighths <= 4) return "SC";
  if (eighths <= 7) return "BK";
  return "OV";
}

void AppendLabel(std::string& out, std::string_view label) {
  out += label;
  out.append(kSectionLabelWidth - label.size(), ' ');
}

void AppendField(std::string& out, std::string_view text) {
  out.append(kFieldWidth - text.size(), ' ');
  out += text;
}

void AppendColumnRow(std::string& out, std::string_view label,
                     const std::array<int, kSectionColumns>& values) {
  AppendLabel(out, label);
  for (int value : values) AppendField(out, std::to_string(value));
  out += '\n';
}

// Values at the 12-hour columns only, blanks before them.
void AppendTwelveHourRow(std::string& out, std::string_view label,
                         const std::array<int, 4>& values) {
  AppendLabel(out, label);
  int column = 1;
  for (std::size_t i = 0; i < values.size(); ++i) {
    for (; column < kTwelveHourColumns[i]; ++column) AppendField(out, "");
    AppendField(out, std::to_string(values[i]));
    ++column;
  }
  out += '\n';
}

std::string SectionText(const Block& block, const SectionValues& v) {
  const GuidanceFacts& nbm = FactsOf(Guidance::kNbm);
  std::string out = block.station + "   " + std::string(nbm.word) + " " +
                    std::string(nbm.product) + " GUIDANCE ";
  // The date right-aligned, so the cycle keeps its place.
  out.append(12 - block.date.size(), ' ');
  out += block.date + "  1200 UTC\n";
  AppendLabel(out, "UTC");
  for (int column = 1; column <= kSectionColumns; ++column)
    AppendField(out, HourText(column));
  out += '\n';
  AppendTwelveHourRow(out, "N/X", v.nx);
  AppendColumnRow(out, "DPT", v.dpt);
  AppendLabel(out, "CLD");
  for (int percent : v.sky) AppendField(out, CloudWord(percent));
  out += '\n';
  AppendColumnRow(out, "WDR", v.wdr);
  AppendColumnRow(out, "WSP", v.wsp);
  AppendTwelveHourRow(out, "P12", v.p12);
  return out;
}

}  // namespace

bool TranslateNbsBlock(const BlockHeader& header, std::string_view text,
                       std::string* section, std::string* err) {
  Block block;
  block.station = header.station;
  block.date = header.dateWord;
  if (!FindRows(text, block, err)) return false;
  if (!IsTwelveHundredLayout(block.rows[kUtc])) {
    *err = Fill(
        "The NBM guidance for {} issued {} at 1200 has a UTC row other than the 1200 cycle's: 23 columns from 18 UTC to 12 UTC, every 3 hours.",
        {block.station, block.date});
    return false;
  }
  SectionValues values;
  if (!ReadSectionValues(block, values, err)) return false;
  *section = SectionText(block, values);
  return true;
}
