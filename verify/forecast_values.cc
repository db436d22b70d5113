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

// The row from its label on.
std::string_view WithoutLeadingBlanks(std::string_view line) {
  while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
  return line;
}

std::optional<int> WordValue(std::string_view word) {
  const bool negative = word.starts_with('-');
  if (negative) word.remove_prefix(1);
  if (word.empty() || word.size() > 3) return std::nullopt;
  int value = 0;
  for (char c : word) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  if (value == -99 || value == -88) return std::nullopt;
  return value;
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
    const std::size_t end = blockText.find('\n');
    const std::string_view row = WithoutLeadingBlanks(blockText.substr(0, end));
    blockText.remove_prefix(end == std::string_view::npos ? blockText.size()
                                                          : end + 1);
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
