#include "verify/forecast_values.h"

#include <cstdio>

#include "common/token_reads.h"
#include "products/block_scanner.h"
#include "products/line_reader.h"
#include "products/nbs_columns.h"

namespace {

// The NBS columns at 12 UTC of the day and 00 UTC after it.
constexpr int kNbsMinimumColumn = 7;
constexpr int kNbsMaximumColumn = 11;

// A MAV value is one word of at most three characters ("-5", "102").
std::optional<int> WordValue(std::string_view word) {
  if (word.size() > 3) return std::nullopt;
  return GuidanceValue(word);
}

// The first two values of a MAV temperature row after its label.
ForecastValues MavValues(std::string_view label, std::string_view rest) {
  const std::optional<int> first = WordValue(CutWord(&rest));
  const std::optional<int> second = WordValue(CutWord(&rest));
  if (label == "X/N") return {second, first};
  return {first, second};
}

}  // namespace

ForecastValues ReadBlockForecast(std::string_view blockText,
                                 Guidance guidance) {
  while (!blockText.empty()) {
    const std::string_view row = WithoutLeadingBlanks(CutLine(&blockText));
    std::string_view rest = row;
    const std::string_view label = CutWord(&rest);
    if (guidance == Guidance::kNbm && label == "TXN")
      return {NbsFieldValue(row, kNbsMinimumColumn),
              NbsFieldValue(row, kNbsMaximumColumn)};
    if (guidance != Guidance::kNbm && kShortTemperatureRow.Names(label))
      return MavValues(label, rest);
  }
  return {};
}

ForecastValues ReadArchivedForecast(const std::string& path, Guidance guidance,
                                    std::string_view station,
                                    const IssueDate& issued) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return {};
  LineReader lines(file);
  bool read = false;
  ForecastValues values;
  ScanBlocks(
      lines,
      [&](const BlockHeader& header) {
        return !read && header.guidance == guidance &&
               header.station == station &&
               header.cycle == FactsOf(guidance).cycle && header.date == issued;
      },
      [&](const ScannedBlock& block) {
        if (!block.kept || read) return;
        values = ReadBlockForecast(block.text, guidance);
        read = true;
      });
  std::fclose(file);
  return values;
}
