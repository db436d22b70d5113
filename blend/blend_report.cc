#include "blend/blend_report.h"

#include <array>
#include <iomanip>
#include <span>
#include <string_view>

#include "common/report_columns.h"

namespace {

// The report's title, in Standard or Metric words.
std::string_view TitleFor(UnitSystem units) {
  return units == UnitSystem::kStandard
             ? "1200 City of Orvanne Forecast Data (Standard Units)"
             : "1200 City of Orvanne Forecast Data (Metric Units)";
}

// The day table's columns. Days 3 to 7 have no LowProbPrec, a blank field
// in its place.
constexpr auto kDayColumns = std::to_array<ReportColumn<DayRow>>({
    {7, "Day", "Day", Member<&DayRow::day>},
    {12, "LowTemp F", "LowTemp C", Member<&DayRow::lowTemp>},
    {12, "HighTemp F", "HighTemp C", Member<&DayRow::highTemp>},
    {12, "LowDPT F", "LowDPT C", Member<&DayRow::lowDpt>},
    {12, "HighDPT F", "HighDPT C", Member<&DayRow::highDpt>},
    {12, "LowProbPrec", "LowProbPrec", Member<&DayRow::lowProbPrec>},
    {12, "HighProbPrec", "HighProbPrec", Member<&DayRow::highProbPrec>},
});

// The cloud and wind table's columns. Extended hours have no wind
// direction, a blank field in its place.
constexpr auto kSkyColumns = std::to_array<ReportColumn<SkyRow>>({
    {6, "HR", "HR", Member<&SkyRow::hour>},
    {8, "CLD", "CLD", Member<&SkyRow::cloud>},
    {10, "WDR", "WDR", Member<&SkyRow::direction>},
    {10, "WSP (MPH)", "WSP (KPH)", Member<&SkyRow::speed>},
});

// The day table, heading to day 7. The last item of a line gets no field of
// its own, except on days 1 and 2 where `shortRangeLastWidth` is given: the
// file pads it, the console ends the line with it.
void WriteDayTable(std::ostream& out, const CityForecast& forecast,
                   UnitSystem units, int shortRangeLastWidth) {
  WriteHeadingLine(out, kDayColumns, units);
  EndLine(out);
  const auto leading = std::span(kDayColumns).first<kDayColumns.size() - 1>();
  for (const DayRow& row : forecast.days) {
    WriteItems(out, leading, row);
    WriteItem(out, row.lowProbPrec ? shortRangeLastWidth : 0,
              kDayColumns.back().item(row));
    EndLine(out);
  }
}

// The cloud and wind table, with a blank line before the extended hours.
// Every row sets fixed notation with two decimals, which stays in force to
// the end of the file.
void WriteSkyTable(std::ostream& out, const CityForecast& forecast,
                   UnitSystem units) {
  WriteHeadingLine(out, kSkyColumns, units);
  for (int k = 0; k < kSkyRows; ++k) {
    if (k == kShortSkyHours) EndLine(out);
    out << std::fixed << std::setprecision(2) << std::left;
    WriteDataLine(out, kSkyColumns, forecast.sky[k]);
  }
}

}  // namespace

void PrintDayTable(std::ostream& console, const CityForecast& forecast,
                   UnitSystem units) {
  if (units == UnitSystem::kAsTyped) return;
  WriteDayTable(console, forecast, units, 0);
}

void WriteBlendReport(std::ostream& file, const CityForecast& forecast,
                      UnitSystem units) {
  if (units == UnitSystem::kAsTyped) return;
  file << TitleFor(units);
  EndLine(file);
  EndLine(file);
  WriteDayTable(file, forecast, units, 12);
  EndLine(file);
  file << "Cloud cover, wind speed, and wind direction data";
  EndLine(file);
  EndLine(file);
  WriteSkyTable(file, forecast, units);
}
