#include "blend/bulletin_rows.h"

#include <array>

#include "common/console.h"
#include "common/scan_file.h"
#include "common/token_reads.h"
#include "products/guidance.h"

namespace {

constexpr std::size_t kQuotedWordLength = 32;

std::string SectionText(int section) {
  return Fill("section {} ({})",
              {std::to_string(section), SectionStation(section)});
}

// A row whose label was never found, or whose stored values could not all
// be read.
std::string MissingRowProblem(const RowLabel& row, int section) {
  return Fill(
      "row \"{}\" of {} is missing or incomplete",
      {row.label, SectionText(section)});
}

// The run's line for a reader's reason; always false.
bool Unreadable(std::string* err) {
  *err = Fill("The bulletin could not be read: {}.", {*err});
  return false;
}

// Skips to the next row of either label.
bool SkipToRow(std::istream& in, const RowLabel& row) {
  return row.alternative.empty() ? SkipToLabel(in, row.label)
                                 : SkipToLabel(in, row.label, row.alternative);
}

// A cloud word outside the cloud code table of its row's layout. A long word
// is quoted by its first 32 characters and "..."; control characters are
// shown as "?", for a bulletin's bytes must not reach the console as
// terminal controls.
std::string UnknownCloudProblem(std::string_view word, int section) {
  std::string quoted(word.substr(0, kQuotedWordLength));
  for (char& c : quoted)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  if (word.size() > kQuotedWordLength) quoted += "...";
  return Fill(
      "\"{}\" in row \"CLD\" of {} is not a known cloud cover word",
      {quoted, SectionText(section)});
}

// Reads the "|" that stands between two columns of an extended row, glued to
// the value before it or apart. Anything else in its place means a separator
// is missing: taking that character would silently cut the next value's
// first digit off, so the row counts as unreadable instead.
bool ReadBarSeparator(std::istream& in) {
  char c;
  return ReadChar(in, c) && c == '|';
}

// Both readers pass once through the bulletin from its beginning, each
// section read starting where the previous stopped.
template <typename ShortRecord, typename ExtendedRecord>
bool ReadTwelveSections(std::istream& in, StationRecords<ShortRecord>& primary,
                        StationRecords<ShortRecord>& secondary,
                        StationRecords<ExtendedRecord>& extended,
                        bool (*readShort)(std::istream&, ShortRecord&, int,
                                          std::string*),
                        bool (*readExtended)(std::istream&, ExtendedRecord&,
                                             int, std::string*),
                        std::string* err) {
  StationRecords<ShortRecord> primaryRead, secondaryRead;
  StationRecords<ExtendedRecord> extendedRead;
  for (int s = 0; s < kStationCount; ++s)
    if (!readShort(in, primaryRead[s], 1 + s, err)) return false;
  for (int s = 0; s < kStationCount; ++s)
    if (!readShort(in, secondaryRead[s], 1 + kStationCount + s, err))
      return false;
  for (int s = 0; s < kStationCount; ++s)
    if (!readExtended(in, extendedRead[s], 1 + 2 * kStationCount + s, err))
      return false;
  primary = primaryRead;
  secondary = secondaryRead;
  extended = extendedRead;
  return true;
}

// An extended "X/N" or "DPT" row after its label: fifteen columns with a
// separator after the 1st and every second one after it. Keeps the pairs in
// columns 6 to 15. The character after the last pair is whatever comes next
// (often a climatology value); it is taken but not needed, so the file may
// end there.
bool ReadExtendedPairs(std::istream& in, std::array<std::int32_t, 5>& first,
                       std::array<std::int32_t, 5>& second) {
  if (!SkipInts(in, 1) || !ReadBarSeparator(in)) return false;
  for (int i = 0; i < 2; ++i)
    if (!SkipInts(in, 2) || !ReadBarSeparator(in)) return false;
  for (int k = 0; k < 5; ++k) {
    if (!ReadInt(in, first[k]) || !ReadInt(in, second[k])) return false;
    if (k < 4 && !ReadBarSeparator(in)) return false;
  }
  SkipChar(in);
  return true;
}

struct CloudWord {
  std::string_view word;
  std::int32_t code;
};

// "FW" (few clouds, up to two eighths) sits between clear and scattered.
constexpr std::array<CloudWord, 5> kShortCloudWords{
    {{"CL", 0}, {"FW", 2}, {"SC", 3}, {"BK", 7}, {"OV", 10}}};

// Extended rows may carry the column separator glued to the word.
constexpr std::array<CloudWord, 6> kExtendedCloudWords{
    {{"CL", 0}, {"CL|", 0}, {"PC", 5}, {"PC|", 5}, {"OV", 10}, {"OV|", 10}}};

template <std::size_t N>
bool LookUpCloud(const std::array<CloudWord, N>& table, std::string_view word,
                 std::int32_t& code) {
  for (const CloudWord& entry : table) {
    if (entry.word == word) {
      code = entry.code;
      return true;
    }
  }
  return false;
}

// Reads `codes.size()` cloud words into `codes`. On false `err` holds the
// problem.
template <std::size_t N>
bool ReadCloudRow(std::istream& in, std::array<std::int32_t, N>& codes,
                  bool (*lookUp)(std::string_view, std::int32_t&), int section,
                  std::string* err) {
  std::string word;
  for (std::int32_t& code : codes) {
    if (!ReadWord(in, word)) {
      *err = MissingRowProblem(kCloudRow, section);
      return false;
    }
    if (!lookUp(word, code)) {
      *err = UnknownCloudProblem(word, section);
      return false;
    }
  }
  return true;
}

template <std::size_t N>
bool ReadInts(std::istream& in, std::array<std::int32_t, N>& values) {
  for (std::int32_t& value : values)
    if (!ReadInt(in, value)) return false;
  return true;
}

}  // namespace

bool ReadShortTempSection(std::istream& in, ShortTempRecord& record,
                          int section, std::string* err) {
  bool ok = SkipToRow(in, kShortTemperatureRow);
  for (int i = 0; ok && i < 4; ++i) ok = ReadInt(in, record.nx[i]);
  if (!ok) {
    *err = MissingRowProblem(kShortTemperatureRow, section);
    return false;
  }

  // Of the dew points every fourth is kept, from the 7th to the 19th.
  ok = SkipToRow(in, kDewPointRow);
  for (int i = 0; ok && i < 4; ++i)
    ok = SkipInts(in, i == 0 ? 6 : 3) && ReadInt(in, record.dpt[i]);
  if (!ok) {
    *err = MissingRowProblem(kDewPointRow, section);
    return false;
  }

  ok = SkipToRow(in, kTwelveHourChanceRow);
  for (int i = 0; ok && i < 4; ++i) ok = ReadInt(in, record.p12[i]);
  if (!ok) {
    *err = MissingRowProblem(kTwelveHourChanceRow, section);
    return false;
  }
  return true;
}

bool ReadExtendedTempSection(std::istream& in, ExtendedTempRecord& record,
                             int section, std::string* err) {
  if (!SkipToRow(in, kExtendedTemperatureRow) ||
      !ReadExtendedPairs(in, record.xnFirst, record.xnSecond)) {
    *err = MissingRowProblem(kExtendedTemperatureRow, section);
    return false;
  }
  // A last "X/N" value above 999 is no temperature: it is cut down by six
  // digits (integer division), so 1000 becomes 0.
  if (record.xnSecond[4] > 999) record.xnSecond[4] /= 1000000;

  if (!SkipToRow(in, kDewPointRow) ||
      !ReadExtendedPairs(in, record.dptFirst, record.dptSecond)) {
    *err = MissingRowProblem(kDewPointRow, section);
    return false;
  }

  // "P24": a separator and the two short-range days, then days 3 to 7.
  std::string ignored;
  bool ok = SkipToRow(in, kDayChanceRow) && ReadBarSeparator(in) &&
            ReadWord(in, ignored) && ReadWord(in, ignored);
  for (int k = 0; ok && k < 5; ++k) {
    ok = ReadInt(in, record.p24[k]);
    if (ok && k < 4) ok = ReadBarSeparator(in);
  }
  if (!ok) {
    *err = MissingRowProblem(kDayChanceRow, section);
    return false;
  }
  SkipChar(in);
  return true;
}

bool ReadTemperatureRows(StationRecords<ShortTempRecord>& primaryTemp,
                         StationRecords<ShortTempRecord>& secondaryTemp,
                         StationRecords<ExtendedTempRecord>& extendedTemp,
                         std::istream& bulletin, std::string* err) {
  return ReadTwelveSections(bulletin, primaryTemp, secondaryTemp, extendedTemp,
                            ReadShortTempSection, ReadExtendedTempSection, err);
}

bool ReadTemperatureRows(StationRecords<ShortTempRecord>& primaryTemp,
                         StationRecords<ShortTempRecord>& secondaryTemp,
                         StationRecords<ExtendedTempRecord>& extendedTemp,
                         const std::string& bulletinName, std::string* err) {
  ScanFile in(bulletinName);
  return ReadTemperatureRows(primaryTemp, secondaryTemp, extendedTemp, in,
                             err) ||
         Unreadable(err);
}

bool ShortCloudCode(std::string_view word, std::int32_t& code) {
  return LookUpCloud(kShortCloudWords, word, code);
}

bool ExtendedCloudCode(std::string_view word, std::int32_t& code) {
  return LookUpCloud(kExtendedCloudWords, word, code);
}

bool ReadShortSkySection(std::istream& in, ShortSkyRecord& record, int section,
                         std::string* err) {
  if (!SkipToRow(in, kCloudRow)) {
    *err = MissingRowProblem(kCloudRow, section);
    return false;
  }
  if (!ReadCloudRow(in, record.cld, ShortCloudCode, section, err)) return false;
  if (!SkipToRow(in, kWindDirectionRow) || !ReadInts(in, record.wdr)) {
    *err = MissingRowProblem(kWindDirectionRow, section);
    return false;
  }
  if (!SkipToRow(in, kWindSpeedRow) || !ReadInts(in, record.wsp)) {
    *err = MissingRowProblem(kWindSpeedRow, section);
    return false;
  }
  return true;
}

bool ReadExtendedSkySection(std::istream& in, ExtendedSkyRecord& record,
                            int section, std::string* err) {
  // Columns 1 to 4 of both rows are the short-range days.
  if (!SkipToRow(in, kCloudRow) || !SkipWords(in, 4)) {
    *err = MissingRowProblem(kCloudRow, section);
    return false;
  }
  if (!ReadCloudRow(in, record.cld, ExtendedCloudCode, section, err))
    return false;

  // From column 5 on, the separators after every second column are read as
  // characters, glued to the value or apart. Columns 1 to 4 are words, so
  // their separators must be glued.
  bool ok = SkipToRow(in, kExtendedWindRow) && SkipWords(in, 4) &&
            ReadInt(in, record.wnd[0]) && ReadBarSeparator(in);
  for (int j = 1; ok && j < kExtendedSkyHours; j += 2) {
    ok = ReadInt(in, record.wnd[j]) && ReadInt(in, record.wnd[j + 1]);
    if (ok && j + 2 < kExtendedSkyHours) ok = ReadBarSeparator(in);
  }
  if (!ok) {
    *err = MissingRowProblem(kExtendedWindRow, section);
    return false;
  }
  SkipChar(in);  // after the last pair; the file may end there
  return true;
}

bool ReadSkyRows(StationRecords<ShortSkyRecord>& primarySky,
                 StationRecords<ShortSkyRecord>& secondarySky,
                 StationRecords<ExtendedSkyRecord>& extendedSky,
                 std::istream& bulletin, std::string* err) {
  return ReadTwelveSections(bulletin, primarySky, secondarySky, extendedSky,
                            ReadShortSkySection, ReadExtendedSkySection, err);
}

bool ReadSkyRows(StationRecords<ShortSkyRecord>& primarySky,
                 StationRecords<ShortSkyRecord>& secondarySky,
                 StationRecords<ExtendedSkyRecord>& extendedSky,
                 const std::string& bulletinName, std::string* err) {
  ScanFile in(bulletinName);
  return ReadSkyRows(primarySky, secondarySky, extendedSky, in, err) ||
         Unreadable(err);
}