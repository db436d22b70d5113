#include "blend/temperature_rows.h"

#include "blend/bar_separator.h"
#include "blend/read_problem.h"
#include "blend/read_sections.h"
#include "common/bulletin_reads.h"
#include "common/skip_to_label.h"

namespace {

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

}  // namespace

bool ReadShortTempSection(std::istream& in, ShortTempRecord& record,
                          int section, std::string& error) {
  bool ok = SkipToLabel(in, "N/X", "X/N");
  for (int i = 0; ok && i < 4; ++i) ok = ReadInt(in, record.nx[i]);
  if (!ok) {
    error = MissingRowProblem("N/X", section);
    return false;
  }

  // Of the dew points every fourth is kept, from the 7th to the 19th.
  ok = SkipToLabel(in, "DPT");
  for (int i = 0; ok && i < 4; ++i)
    ok = SkipInts(in, i == 0 ? 6 : 3) && ReadInt(in, record.dpt[i]);
  if (!ok) {
    error = MissingRowProblem("DPT", section);
    return false;
  }

  ok = SkipToLabel(in, "P12");
  for (int i = 0; ok && i < 4; ++i) ok = ReadInt(in, record.p12[i]);
  if (!ok) {
    error = MissingRowProblem("P12", section);
    return false;
  }
  return true;
}

bool ReadExtendedTempSection(std::istream& in, ExtendedTempRecord& record,
                             int section, std::string& error) {
  if (!SkipToLabel(in, "X/N") ||
      !ReadExtendedPairs(in, record.xnFirst, record.xnSecond)) {
    error = MissingRowProblem("X/N", section);
    return false;
  }
  // A last "X/N" value above 999 is no temperature; it is cut down by six
  // digits, as the office's forecasts always have been.
  if (record.xnSecond[4] > 999) record.xnSecond[4] /= 1000000;

  if (!SkipToLabel(in, "DPT") ||
      !ReadExtendedPairs(in, record.dptFirst, record.dptSecond)) {
    error = MissingRowProblem("DPT", section);
    return false;
  }

  // "P24": a separator and the two short-range days, then days 3 to 7.
  std::string ignored;
  bool ok = SkipToLabel(in, "P24") && ReadBarSeparator(in) &&
            ReadWord(in, ignored) && ReadWord(in, ignored);
  for (int k = 0; ok && k < 5; ++k) {
    ok = ReadInt(in, record.p24[k]);
    if (ok && k < 4) ok = ReadBarSeparator(in);
  }
  if (!ok) {
    error = MissingRowProblem("P24", section);
    return false;
  }
  SkipChar(in);
  return true;
}

bool ReadTemperatureRows(StationRecords<ShortTempRecord>& etaTemp,
                         StationRecords<ShortTempRecord>& avnTemp,
                         StationRecords<ExtendedTempRecord>& extTemp,
                         const std::string& fileName, std::string& error) {
  return ReadTwelveSections(fileName, etaTemp, avnTemp, extTemp,
                            ReadShortTempSection, ReadExtendedTempSection,
                            error);
}
