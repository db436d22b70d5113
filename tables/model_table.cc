#include "tables/model_table.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "common/console.h"
#include "common/token_reads.h"
#include "tables/table_frame.h"

namespace {

constexpr std::size_t kColumns = 15;
constexpr std::array<int, kColumns> kWidths{5,  13, 12, 13, 13, 13, 12, 10,
                                            14, 11, 12, 15, 12, 12, 12};
constexpr std::array<std::string_view, kColumns> kStandardHeadings{
    "HR",           "Pressure In.", "2m Temp F", "850MB Temp F",
    "700MB Temp F", "500MB Temp F", "Thickness", "Hum %",
    "Precip In.",   "Cld Cover",    "Wind Dir",  "Wind Speed MPH",
    "Adj F",        "+ F",          "- F"};
constexpr std::array<std::string_view, kColumns> kMetricHeadings{
    "HR",           "Pressure mm",  "2m Temp C", "850MB Temp C",
    "700MB Temp C", "500MB Temp C", "Thickness", "Hum %",
    "Precip mm",    "Cld Cover",    "Wind Dir",  "Wind Speed KPH",
    "Adj C",        "+ C",          "- C"};

}  // namespace

int RowsUsed(const ModelTable& table) {
  return std::clamp(table.count, 0, kModelTableCapacity);
}

bool ReadModelTableRow(std::istream& in, ModelTableRow& row) {
  return ReadDelimitedHour(in, row.hour) && ReadDouble(in, row.pressure) &&
         ReadDouble(in, row.temp2m) && ReadDouble(in, row.temp850) &&
         ReadDouble(in, row.temp700) && ReadDouble(in, row.temp500) &&
         ReadDouble(in, row.thickness) && ReadDouble(in, row.humidity) &&
         ReadDouble(in, row.precip) && ReadDouble(in, row.cloudCover) &&
         ReadDouble(in, row.windDir) && ReadDouble(in, row.windSpeed);
}

void ConvertWindSpeeds(ModelTable& table, UnitSystem units) {
  for (int i = 0; i < RowsUsed(table); ++i)
    table.rows[i].windSpeed = WindSpeedInUnits(table.rows[i].windSpeed, units);
}

void ComputeAdjustments(ModelTable& table) {
  for (int i = 0; i < RowsUsed(table); ++i) {
    ModelTableRow& row = table.rows[i];
    const double windTerm = (30 - row.windSpeed) * 0.1;
    const double humidityTerm = (100 - row.humidity) * 0.03;
    const double lapseTerm = (row.temp2m - row.temp850) * 0.1;
    row.adjustment = windTerm + humidityTerm + lapseTerm;
    row.plusTemp = row.temp2m + row.adjustment;
    row.minusTemp = row.temp2m - row.adjustment;
  }
}

void ConvertToReportUnits(ModelTable& table, UnitSystem units) {
  for (int i = 0; i < RowsUsed(table); ++i) {
    ModelTableRow& row = table.rows[i];
    if (units == UnitSystem::kStandard) {
      row.pressure = MillibarsToInches(row.pressure);
      row.temp2m = CelsiusToFahrenheit(row.temp2m);
      row.temp850 = CelsiusToFahrenheit(row.temp850);
      row.temp700 = CelsiusToFahrenheit(row.temp700);
      row.temp500 = CelsiusToFahrenheit(row.temp500);
      row.precip = MillimetresToInches(row.precip);
      row.adjustment *= 1.8;  // a difference of degrees: no 32 added
      row.plusTemp = CelsiusToFahrenheit(row.plusTemp);
      row.minusTemp = CelsiusToFahrenheit(row.minusTemp);
    } else if (units == UnitSystem::kMetric) {
      row.pressure = InchesToMillimetres(MillibarsToInches(row.pressure));
    }
  }
}

void ConvertModelTable(ModelTable& table, UnitSystem units) {
  ConvertWindSpeeds(table, units);
  ComputeAdjustments(table);
  ConvertToReportUnits(table, units);
}

void WriteModelTableReport(std::ostream& out, const ModelTable& table,
                           UnitSystem units) {
  WriteUnitHeadingLine(out, units, kWidths, kStandardHeadings, kMetricHeadings);
  for (int i = 0; i < RowsUsed(table); ++i) {
    const ModelTableRow& row = table.rows[i];
    WriteDataLine(
        out, kWidths, row.hour,
        {row.pressure, row.temp2m, row.temp850, row.temp700, row.temp500,
         row.thickness, row.humidity, row.precip, row.cloudCover, row.windDir,
         row.windSpeed, row.adjustment, row.plusTemp, row.minusTemp});
  }
}

bool RunModelTable(Console& console, const RunRequest& request) {
  if (request.rows < 1 || request.rows > kModelTableCapacity) {
    PrintLine(console.err, Fill("A model table run takes 1 to 48 rows, not {}.",
                                {std::to_string(request.rows)}));
    return false;
  }
  PrintLine(console.out, "Running long-term model.");
  std::string bulletinName;
  if (!AskForBulletin(console, request, &bulletinName)) return false;
  PrintLine(console.out, kValidFileMessage);
  ModelTable table;
  table.count = request.rows;
  std::string err;
  if (!ReadTableRows(
          bulletinName, table.count,
          [&table](std::istream& bulletin, int row) {
            return ReadModelTableRow(bulletin, table.rows[row]);
          },
          &err)) {
    PrintLine(console.err, err);
    return false;
  }
  ConvertModelTable(table, request.units);
  return WriteReport(bulletinName, console, "Output file created successfully.",
                     [&](std::ostream& report) {
                       WriteModelTableReport(report, table, request.units);
                     });
}
