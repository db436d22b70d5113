#ifndef ORVANNE_RECORD_FORECAST_RECORD_H_
#define ORVANNE_RECORD_FORECAST_RECORD_H_

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "blend/city_forecast.h"
#include "blend/station_records.h"
#include "common/units.h"
#include "products/issue_date.h"

// The forecast's record: one morning's 1200 Model forecast and what it was
// made from, kept beside the report as "orvanne_1200.json" so the pages can
// be built again without reading any bulletin. Every number is the report's
// double as computed; JSON numbers carry it exactly both ways.

// Where the primary guidance's ratio came from.
enum class RatioSource {
  kTyped,         // given with --ratio or at the console
  kVerification,  // suggested by the verification (--ratio auto)
  kFallback,      // --ratio auto's fallback when too few days are verified
  kVerificationBiasRemoved,  // --ratio auto --bias auto: from the errors
                             // with the biases removed
};

// The record's layout: 2 since each bias names its station and the issue
// date is written "YYYY-MM-DD"; records without "schema" are 1's and still
// read.
inline constexpr int kRecordSchema = 2;

// One bias taken off a guidance's highs or lows before the blend.
struct RemovedBias {
  std::string guidance;  // "GFS", "NBM" or "GFSX"
  int leadDay = 0;       // 1 to 7
  std::string element;   // "max" or "min"
  double bias = 0;       // as subtracted
  std::string station;   // "KFSD"; empty in older records: at every station
};

struct ForecastRecord {
  IssueDate issued;  // the bulletin's date; the cycle is always 1200
  UnitSystem units = UnitSystem::kStandard;
  double primaryRatio = 0;
  double secondaryRatio = 0;
  RatioSource ratioSource = RatioSource::kTyped;
  std::vector<RemovedBias> biases;                // empty: none removed
  std::array<std::string, kSectionCount> models;  // sections 1 to 12
  CityForecast forecast;
};

// The name of a morning's record in its day folder.

// The record as one JSON document (and a newline): the schema
// (kRecordSchema), the issue date ("2026-12-08") and cycle, the units
// ("standard", "metric", "as read"), the ratios and their source ("typed",
// "verification", "fallback", "verification, bias removed"), the biases
// (guidance, lead day, element, bias, station), the models, the seven days
// (day, ISO date, weekday, low, high,
// low and high dew point, the chances: two for days 1 and 2, one after)
// and the 30 sky rows (hour, cloud, direction or null, speed).
std::string RecordJson(const ForecastRecord& record);

// What a reader takes of a record: all of it, or all but the sky rows
// (left at their defaults, neither read nor checked).
enum class RecordParts { kWhole, kWithoutSky };

// Reads a record RecordJson wrote, or one of schema 1 (no "schema", the
// issue date "12/08/2026", biases without a station). False, with `err`
// saying what is wrong (one line, without the file's name), for anything
// else.
bool ParseRecordJson(std::string_view text, ForecastRecord* record,
                     std::string* err,
                     RecordParts parts = RecordParts::kWhole);

// Reads the record file `path`. False, with `err` one line naming the file,
// when it cannot be read or is no record.
bool ReadRecordFile(const std::string& path, ForecastRecord* record,
                    std::string* err,
                    RecordParts parts = RecordParts::kWhole);

// Reads the record file `path` of the morning `morning`'s folder. False,
// with `err` one line naming the file, when it cannot be read, is no
// record, or is another day's.
bool ReadMorningRecord(const std::string& path, const IssueDate& morning,
                       ForecastRecord* record, std::string* err,
                       RecordParts parts = RecordParts::kWhole);

// Writes the record file `path` whole, through ReplaceFile. False, with
// `err` one line naming the file, when it could not be written.
bool WriteRecordFile(const std::string& path, const ForecastRecord& record,
                     std::string* err);

#endif  // ORVANNE_RECORD_FORECAST_RECORD_H_
