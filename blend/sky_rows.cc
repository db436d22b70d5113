#include "blend/sky_rows.h"

#include <array>

#include "blend/bar_separator.h"
#include "blend/read_problem.h"
#include "blend/read_sections.h"
#include "common/bulletin_reads.h"
#include "common/skip_to_label.h"

namespace {

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

// Reads `codes.size()` cloud words into `codes`. On false `error` is set.
template <std::size_t N>
bool ReadCloudRow(std::istream& in, std::array<std::int32_t, N>& codes,
                  bool (*lookUp)(std::string_view, std::int32_t&), int section,
                  std::string& error) {
  std::string word;
  for (std::int32_t& code : codes) {
    if (!ReadWord(in, word)) {
      error = MissingRowProblem("CLD", section);
      return false;
    }
    if (!lookUp(word, code)) {
      error = UnknownCloudProblem(word, section);
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

bool ShortCloudCode(std::string_view word, std::int32_t& code) {
  return LookUpCloud(kShortCloudWords, word, code);
}

bool ExtendedCloudCode(std::string_view word, std::int32_t& code) {
  return LookUpCloud(kExtendedCloudWords, word, code);
}

bool ReadShortSkySection(std::istream& in, ShortSkyRecord& record, int section,
                         std::string& error) {
  if (!SkipToLabel(in, "CLD")) {
    error = MissingRowProblem("CLD", section);
    return false;
  }
  if (!ReadCloudRow(in, record.cld, ShortCloudCode, section, error))
    return false;
  if (!SkipToLabel(in, "WDR") || !ReadInts(in, record.wdr)) {
    error = MissingRowProblem("WDR", section);
    return false;
  }
  if (!SkipToLabel(in, "WSP") || !ReadInts(in, record.wsp)) {
    error = MissingRowProblem("WSP", section);
    return false;
  }
  return true;
}

bool ReadExtendedSkySection(std::istream& in, ExtendedSkyRecord& record,
                            int section, std::string& error) {
  // Columns 1 to 4 of both rows are the short-range days.
  if (!SkipToLabel(in, "CLD") || !SkipWords(in, 4)) {
    error = MissingRowProblem("CLD", section);
    return false;
  }
  if (!ReadCloudRow(in, record.cld, ExtendedCloudCode, section, error))
    return false;

  // From column 5 on, the separators after every second column are read as
  // characters, glued to the value or apart. Columns 1 to 4 are words, so
  // their separators must be glued.
  bool ok = SkipToLabel(in, "WND") && SkipWords(in, 4) &&
            ReadInt(in, record.wnd[0]) && ReadBarSeparator(in);
  for (int j = 1; ok && j < kExtendedSkyHours; j += 2) {
    ok = ReadInt(in, record.wnd[j]) && ReadInt(in, record.wnd[j + 1]);
    if (ok && j + 2 < kExtendedSkyHours) ok = ReadBarSeparator(in);
  }
  if (!ok) {
    error = MissingRowProblem("WND", section);
    return false;
  }
  SkipChar(in);  // after the last pair; the file may end there
  return true;
}

bool ReadSkyRows(StationRecords<ShortSkyRecord>& etaSky,
                 StationRecords<ShortSkyRecord>& avnSky,
                 StationRecords<ExtendedSkyRecord>& extSky,
                 const std::string& fileName, std::string& error) {
  return ReadTwelveSections(fileName, etaSky, avnSky, extSky,
                            ReadShortSkySection, ReadExtendedSkySection, error);
}
