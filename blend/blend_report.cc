#include "blend/blend_report.h"

#include <iomanip>
#include <string_view>

#include "common/report_field.h"

namespace {

struct UnitTexts {
  std::string_view title, lowTemp, highTemp, lowDpt, highDpt, windSpeed;
};

constexpr UnitTexts kStandardTexts{
    "1200 City of Orvanne Forecast Data (Standard Units)",
    "LowTemp F",
    "HighTemp F",
    "LowDPT F",
    "HighDPT F",
    "WSP (MPH)"};

constexpr UnitTexts kMetricTexts{
    "1200 City of Orvanne Forecast Data (Metric Units)",
    "LowTemp C",
    "HighTemp C",
    "LowDPT C",
    "HighDPT C",
    "WSP (KPH)"};

const UnitTexts* TextsFor(UnitSystem units) {
  if (units == UnitSystem::kStandard) return &kStandardTexts;
  if (units == UnitSystem::kMetric) return &kMetricTexts;
  return nullptr;
}

// The day table, header to day 7. The last number of days 1 and 2 gets a
// field of `shortRangeLastWidth`: the file pads it, the console ends the
// line with it.
void WriteDayTable(std::ostream& out, const CityForecast& forecast,
                   const UnitTexts& texts, int shortRangeLastWidth) {
  WriteField(out, 7, "Day");
  WriteField(out, 12, texts.lowTemp);
  WriteField(out, 12, texts.highTemp);
  WriteField(out, 12, texts.lowDpt);
  WriteField(out, 12, texts.highDpt);
  WriteField(out, 12, "LowProbPrec");
  out << "HighProbPrec";
  EndLine(out);
  EndLine(out);
  for (int day = 1; day <= kForecastDays; ++day) {
    const DayRow& row = forecast.days[day - 1];
    WriteField(out, 7, day);
    WriteField(out, 12, row.lowTemp);
    WriteField(out, 12, row.highTemp);
    WriteField(out, 12, row.lowDpt);
    WriteField(out, 12, row.highDpt);
    if (row.lowProbPrec) {
      WriteField(out, 12, *row.lowProbPrec);
      WriteField(out, shortRangeLastWidth, row.highProbPrec);
    } else {
      WriteField(out, 12, " ");
      out << row.highProbPrec;
    }
    EndLine(out);
  }
}

// The cloud and wind table. Every row sets fixed notation with two
// decimals, which stays in force to the end of the file; extended hours
// have no wind direction, and an empty blank field in its place.
void WriteSkyTable(std::ostream& out, const CityForecast& forecast,
                   const UnitTexts& texts) {
  WriteField(out, 6, "HR");
  WriteField(out, 8, "CLD");
  WriteField(out, 10, "WDR");
  WriteField(out, 10, texts.windSpeed);
  EndLine(out);
  for (int k = 0; k < kSkyRows; ++k) {
    if (k == kShortSkyHours) EndLine(out);
    const SkyRow& row = forecast.sky[k];
    out << std::fixed << std::setprecision(2) << std::left;
    WriteField(out, 6, row.hour);
    WriteField(out, 8, row.cloud);
    if (row.direction)
      WriteField(out, 10, *row.direction);
    else
      WriteField(out, 10, "");
    WriteField(out, 10, row.speed);
    EndLine(out);
  }
}

}  // namespace

void PrintDayTable(std::ostream& console, const CityForecast& forecast,
                   UnitSystem units) {
  const UnitTexts* texts = TextsFor(units);
  if (!texts) return;
  WriteDayTable(console, forecast, *texts, 0);
}

void WriteBlendReport(std::ostream& file, const CityForecast& forecast,
                      UnitSystem units) {
  const UnitTexts* texts = TextsFor(units);
  if (!texts) return;
  file << texts->title;
  EndLine(file);
  EndLine(file);
  WriteDayTable(file, forecast, *texts, 12);
  EndLine(file);
  file << "Cloud cover, wind speed, and wind direction data";
  EndLine(file);
  EndLine(file);
  WriteSkyTable(file, forecast, *texts);
}
