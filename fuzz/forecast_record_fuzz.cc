// The forecast's record reader on any file, as verify reads the archive's
// records: a record it takes has seven days in order and writes out again
// as a record it takes; one it leaves out is named on one line. A text the
// fast tape takes, the JSON library reads to the same values.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "products/archive.h"
#include "record/forecast_record.h"
#include "record/json_tape.h"
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

// Whether the tape's `value` is what the library read as `json`.
bool Same(const JsonValue& value, const nlohmann::ordered_json& json) {
  if (json.is_object()) {
    if (!value.is_object()) return false;
    for (const auto& [key, member] : json.items()) {
      const JsonValue found = value.find(key);
      if (found == value.end() || !Same(*found, member)) return false;
    }
    return true;
  }
  if (json.is_array()) {
    if (!value.is_array() || value.size() != json.size()) return false;
    for (std::size_t i = 0; i < json.size(); ++i)
      if (!Same(value[i], json[i])) return false;
    return true;
  }
  if (json.is_string())
    return value.is_string() &&
           value.get<std::string>() == json.get<std::string>();
  if (json.is_number_integer())
    return value.is_number_integer() && value.get<int>() == json.get<int>() &&
           value.get<double>() == json.get<double>();
  if (json.is_number())
    return value.is_number() && !value.is_number_integer() &&
           value.get<double>() == json.get<double>();
  return json.is_null() == value.is_null() && !value.is_number() &&
         !value.is_string() && !value.is_array() && !value.is_object();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  TempDir dir;
  const std::string input(reinterpret_cast<const char*>(data), size);
  JsonTape tape;
  if (tape.Read(input)) {
    const auto json = nlohmann::ordered_json::parse(input, nullptr, false);
    FUZZ_CHECK(!json.is_discarded());
    FUZZ_CHECK(Same(tape.Root(), json));
  }
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
