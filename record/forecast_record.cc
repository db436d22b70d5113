#include "record/forecast_record.h"

#include <nlohmann/json.hpp>

#include "common/console.h"
#include "common/read_file.h"
#include "common/replace_file.h"
#include "products/archive.h"
#include "record/json_fields.h"
#include "record/json_tape.h"

namespace {

using Json = nlohmann::ordered_json;

constexpr std::array<std::string_view, 3> kUnitWords{"standard", "metric",
                                                     "as read"};
constexpr std::array<std::string_view, 4> kSourceWords{
    "typed", "verification", "fallback", "verification, bias removed"};

Json DayJson(const DayRow& row, const IssueDate& issued) {
  const IssueDate date = AddDays(issued, row.day);
  Json chances = Json::array();
  if (row.lowProbPrec) chances.push_back(*row.lowProbPrec);
  chances.push_back(row.highProbPrec);
  return {{"day", row.day},
          {"date", FormatIsoDate(date)},
          {"weekday", WeekdayName(date)},
          {"low", row.lowTemp},
          {"high", row.highTemp},
          {"low_dew_point", row.lowDpt},
          {"high_dew_point", row.highDpt},
          {"chances", chances}};
}

Json SkyJson(const SkyRow& row) {
  return {{"hour", row.hour},
          {"cloud", row.cloud},
          {"direction", row.direction ? Json(*row.direction) : Json(nullptr)},
          {"speed", row.speed}};
}

// The reading below takes either kind of document: the library's, or a
// tape of the text's values (JsonValue).

// Whether `field`, found as `key` in `object`, is an array of `size`
// objects (any size when 0).
template <typename Document, typename Field>
bool AreRows(const Document& object, const Field& field, const char* key,
             std::size_t size, std::string* err) {
  if (field == object.end() || !field->is_array() ||
      (size && field->size() != size)) {
    *err = Fill("'{}' is not a list of the right length", {key});
    return false;
  }
  for (const auto& row : *field) {
    if (row.is_object()) continue;
    *err = Fill("'{}' holds something other than objects", {key});
    return false;
  }
  return true;
}

// The index of `word` in `words`.
template <typename Document, std::size_t N>
bool TakeWord(const Document& object, const char* key,
              const std::array<std::string_view, N>& words, int* index,
              std::string* err) {
  std::string word;
  if (!TakeText(object, key, &word, err)) return false;
  for (std::size_t i = 0; i < N; ++i) {
    if (words[i] != word) continue;
    *index = static_cast<int>(i);
    return true;
  }
  *err = Fill("'{}' is not a known word", {key});
  return false;
}

template <typename Document>
bool TakeDay(const Document& object, const IssueDate& issued, int day,
             DayRow* row, std::string* err) {
  std::string date;
  if (!TakeWhole(object, "day", &row->day, err) ||
      !TakeText(object, "date", &date, err) ||
      !TakeNumber(object, "low", &row->lowTemp, err) ||
      !TakeNumber(object, "high", &row->highTemp, err) ||
      !TakeNumber(object, "low_dew_point", &row->lowDpt, err) ||
      !TakeNumber(object, "high_dew_point", &row->highDpt, err))
    return false;
  if (row->day != day || date != FormatIsoDate(AddDays(issued, day))) {
    *err = Fill("day {} is not the day it should be", {std::to_string(day)});
    return false;
  }
  const auto chances = object.find("chances");
  const bool two =
      chances != object.end() && chances->is_array() && chances->size() == 2;
  if (chances == object.end() || !chances->is_array() ||
      (chances->size() != 1 && !two) || !(*chances)[0].is_number() ||
      !chances->back().is_number()) {
    *err = Fill("day {} has no chances", {std::to_string(day)});
    return false;
  }
  if (two) row->lowProbPrec = (*chances)[0].template get<double>();
  row->highProbPrec = chances->back().template get<double>();
  return true;
}

template <typename Document>
bool TakeSky(const Document& object, SkyRow* row, std::string* err) {
  if (!TakeWhole(object, "hour", &row->hour, err) ||
      !TakeNumber(object, "cloud", &row->cloud, err) ||
      !TakeNumber(object, "speed", &row->speed, err))
    return false;
  const auto direction = object.find("direction");
  if (direction == object.end() ||
      !(direction->is_number() || direction->is_null())) {
    *err = "'direction' is neither a number nor null";
    return false;
  }
  if (direction->is_number())
    row->direction = direction->template get<double>();
  return true;
}

template <typename Document>
bool TakeBiases(const Document& document, std::vector<RemovedBias>* biases,
                std::string* err) {
  const auto rows = document.find("biases_removed");
  if (!AreRows(document, rows, "biases_removed", 0, err)) return false;
  for (const auto& row : *rows) {
    RemovedBias bias;
    if (!TakeText(row, "guidance", &bias.guidance, err) ||
        !TakeWhole(row, "lead_day", &bias.leadDay, err) ||
        !TakeText(row, "element", &bias.element, err) ||
        !TakeNumber(row, "bias", &bias.bias, err))
      return false;
    if (row.contains("station") &&
        !TakeText(row, "station", &bias.station, err))
      return false;
    biases->push_back(bias);
  }
  return true;
}

template <typename Document>
bool TakeModels(const Document& document, ForecastRecord* record,
                std::string* err) {
  const auto models = document.find("models");
  if (models == document.end() || !models->is_array() ||
      models->size() != kSectionCount) {
    *err = "'models' is not a list of twelve words";
    return false;
  }
  for (int section = 0; section < kSectionCount; ++section) {
    if (!(*models)[section].is_string()) {
      *err = "'models' is not a list of twelve words";
      return false;
    }
    record->models[section] = (*models)[section].template get<std::string>();
  }
  return true;
}

// The issue date, cycle, units and ratios.
template <typename Document>
bool TakeHead(const Document& document, ForecastRecord* record,
              std::string* err) {
  std::string date;
  std::string cycle;
  int units = 0;
  int source = 0;
  int schema = 1;
  if ((document.contains("schema") &&
       !TakeWhole(document, "schema", &schema, err)) ||
      !TakeText(document, "issue_date", &date, err) ||
      !TakeText(document, "cycle", &cycle, err) ||
      !TakeWord(document, "units", kUnitWords, &units, err))
    return false;
  if (schema < 1 || schema > kRecordSchema) {
    *err = Fill("its schema {} is not one this version reads",
                {std::to_string(schema)});
    return false;
  }
  const bool dated = schema == 1 ? ParseIssueDate(date, &record->issued)
                                 : ParseDayFolderName(date, &record->issued);
  if (!dated || cycle != "1200") {
    *err = "its issue date or cycle is not one the 1200 Model has";
    return false;
  }
  record->units = static_cast<UnitSystem>(units);
  const auto ratio = document.find("ratio");
  if (ratio == document.end() || !ratio->is_object()) {
    *err = "'ratio' is not an object";
    return false;
  }
  if (!TakeNumber(*ratio, "primary", &record->primaryRatio, err) ||
      !TakeNumber(*ratio, "secondary", &record->secondaryRatio, err) ||
      !TakeWord(*ratio, "source", kSourceWords, &source, err))
    return false;
  record->ratioSource = static_cast<RatioSource>(source);
  return true;
}

// Reads the record `document`, its sky rows only when `withSky`.
template <typename Document>
bool TakeRecord(const Document& document, bool withSky, ForecastRecord* record,
                std::string* err) {
  if (!document.is_object()) {
    *err = "it is not a JSON object";
    return false;
  }
  ForecastRecord read;
  if (!TakeHead(document, &read, err) ||
      !TakeBiases(document, &read.biases, err) ||
      !TakeModels(document, &read, err))
    return false;
  const auto days = document.find("days");
  if (!AreRows(document, days, "days", kForecastDays, err)) return false;
  for (int day = 1; day <= kForecastDays; ++day)
    if (!TakeDay((*days)[day - 1], read.issued, day,
                 &read.forecast.days[day - 1], err))
      return false;
  if (withSky) {
    const auto sky = document.find("sky");
    if (!AreRows(document, sky, "sky", kSkyRows, err)) return false;
    for (int k = 0; k < kSkyRows; ++k)
      if (!TakeSky((*sky)[k], &read.forecast.sky[k], err)) return false;
  }
  *record = read;
  return true;
}

}  // namespace

bool ParseRecordJson(std::string_view text, ForecastRecord* record,
                     std::string* err, RecordParts parts) {
  const bool withSky = parts == RecordParts::kWhole;
  // A record this program wrote is read from a tape of its values, a year
  // of them in a fraction of the time; any other text is read by the
  // library, which also says what is wrong with it.
  JsonTape tape;
  if (tape.Read(text) && TakeRecord(tape.Root(), withSky, record, err))
    return true;
  // The sky rows are most of the text: a reader of the days leaves them
  // unbuilt.
  const Json::parser_callback_t withoutSky =
      [](int depth, nlohmann::json::parse_event_t event, Json& parsed) {
        return !(depth == 1 && event == nlohmann::json::parse_event_t::key &&
                 parsed == "sky");
      };
  const Json document =
      Json::parse(text, withSky ? nullptr : withoutSky, false);
  if (document.is_discarded()) {
    *err = "it is not a JSON object";
    return false;
  }
  return TakeRecord(document, withSky, record, err);
}

std::string RecordJson(const ForecastRecord& record) {
  Json biases = Json::array();
  for (const RemovedBias& bias : record.biases) {
    biases.push_back({{"guidance", bias.guidance},
                      {"lead_day", bias.leadDay},
                      {"element", bias.element},
                      {"bias", bias.bias},
                      {"station", bias.station}});
  }
  Json days = Json::array();
  for (const DayRow& row : record.forecast.days)
    days.push_back(DayJson(row, record.issued));
  Json sky = Json::array();
  for (const SkyRow& row : record.forecast.sky) sky.push_back(SkyJson(row));
  const Json document{
      {"schema", kRecordSchema},
      {"issue_date", FormatIsoDate(record.issued)},
      {"cycle", "1200"},
      {"units", kUnitWords[static_cast<int>(record.units)]},
      {"ratio",
       {{"primary", record.primaryRatio},
        {"secondary", record.secondaryRatio},
        {"source", kSourceWords[static_cast<int>(record.ratioSource)]}}},
      {"biases_removed", biases},
      {"models", record.models},
      {"days", days},
      {"sky", sky}};
  return document.dump(1) + "\n";
}

bool ReadRecordFile(const std::string& path, ForecastRecord* record,
                    std::string* err, RecordParts parts) {
  std::string text;
  if (!ReadWholeFile(path, &text)) {
    *err = Fill("The record {} could not be read.", {path});
    return false;
  }
  std::string why;
  if (!ParseRecordJson(text, record, &why, parts)) {
    *err = Fill("The record {} is damaged: {}.", {path, why});
    return false;
  }
  return true;
}

bool ReadMorningRecord(const std::string& path, const IssueDate& morning,
                       ForecastRecord* record, std::string* err,
                       RecordParts parts) {
  if (!ReadRecordFile(path, record, err, parts)) return false;
  if (record->issued == morning) return true;
  *err =
      Fill("The record {} is for {}, not for its folder's day; it is left out.",
           {path, FormatIssueDate(record->issued)});
  return false;
}

bool WriteRecordFile(const std::string& path, const ForecastRecord& record,
                     std::string* err) {
  std::string reason;
  if (ReplaceFileWith(path, RecordJson(record), &reason)) return true;
  *err = Fill("The record {} could not be written ({}).", {path, reason});
  return false;
}
