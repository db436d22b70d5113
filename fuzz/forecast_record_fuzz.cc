// The forecast's record reader on any file, as verify reads the archive's
// records: a record it takes has seven days in order and writes out again
// as a record it takes; one it leaves out is named on one line.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "products/archive.h"
#include "record/forecast_record.h"
#include "verify/city_scores.h"

namespace {

constexpr IssueDate kMorning{2026, 12, 8};

bool AllFinite(const ForecastRecord& record) {
  for (const DayRow& row : record.forecast.days)
    for (double value : {row.lowTemp, row.highTemp, row.lowDpt, row.highDpt,
                         row.highProbPrec, row.lowProbPrec.value_or(0)})
      if (!std::isfinite(value)) return false;
  for (const SkyRow& row : record.forecast.sky)
    for (double value : {row.cloud, row.speed, row.direction.value_or(0)})
      if (!std::isfinite(value)) return false;
  for (const RemovedBias& bias : record.biases)
    if (!std::isfinite(bias.bias)) return false;
  return std::isfinite(record.primaryRatio) &&
         std::isfinite(record.secondaryRatio);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  TempDir dir;
  const std::string input(reinterpret_cast<const char*>(data), size);
  ForecastRecord record;
  std::string err;
  if (ParseRecordJson(input, &record, &err)) {
    for (int d = 0; d < kForecastDays; ++d)
      FUZZ_CHECK(record.forecast.days[d].day == d + 1);
    if (AllFinite(record)) {
      ForecastRecord again;
      FUZZ_CHECK(ParseRecordJson(RecordJson(record), &again, &err));
      FUZZ_CHECK(RecordJson(again) == RecordJson(record));
    }
  } else {
    FUZZ_CHECK(!err.empty() && err.find('\n') == std::string::npos);
  }
  const std::string archive = dir.Path("archive");
  std::filesystem::create_directories(DayFolder(archive, kMorning));
  WriteFile(DayFile(archive, kMorning, DayFileKind::kRecord), input);
  std::vector<std::string> warnings;
  const std::vector<std::optional<CityRecord>> read =
      ReadCityRecords(archive, kMorning, 1, &warnings);
  FUZZ_CHECK(read.size() == 1);
  FUZZ_CHECK(read[0].has_value() != !warnings.empty());
  for (const std::string& warning : warnings)
    FUZZ_CHECK(warning.find('\n') == std::string::npos);
  return 0;
}
