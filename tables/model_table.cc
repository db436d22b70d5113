#include "tables/model_table.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "common/console.h"
#include "common/token_reads.h"
#include "tables/table_frame.h"

namespace {

// The report's columns: the bulletin's, then the three the run derives.
constexpr auto kColumns = std::to_array<ReportColumn<ModelTableRow>>({
    {5, "HR", "HR", Member<&ModelTableRow::hour>},
    {13, "Pressure In.", "Pressure mm", Member<&ModelTableRow::pressure>},
    {12, "2m Temp F", "2m Temp C", Member<&ModelTableRow::temp2m>},
    {13, "850MB Temp F", "850MB Temp C", Member<&ModelTableRow::temp850>},
    {13, "700MB Temp F", "700MB Temp C", Member<&ModelTableRow::temp700>},
    {13, "500MB Temp F", "500MB Temp C", Member<&ModelTableRow::temp500>},
    {12, "Thickness", "Thickness", Member<&ModelTableRow::thickness>},
    {10, "Hum %", "Hum %", Member<&ModelTableRow::humidity>},
    {14, "Precip In.", "Precip mm", Member<&ModelTableRow::precip>},
    {11, "Cld Cover", "Cld Cover", Member<&ModelTableRow::cloudCover>},
    {12, "Wind Dir", "Wind Dir", Member<&ModelTableRow::windDir>},
    {15, "Wind Speed MPH", "Wind Speed KPH", Member<&ModelTableRow::windSpeed>},
    {12, "Adj F", "Adj C", Member<&ModelTableRow::adjustment>},
    {12, "+ F", "+ C", Member<&ModelTableRow::plusTemp>},
    {12, "- F", "- C", Member<&ModelTableRow::minusTemp>},
});

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
  WriteTableReport(out, kColumns, std::span(table.rows).first(RowsUsed(table)),
                   units);
}

bool RunModelTable(Console& console, const RunRequest& request) {
  if (request.rows < 1 || request.rows > kModelTableCapacity) {
    PrintLine(console.err, Fill("A model table run takes 1 to {} rows, not {}.",
                                {std::to_string(kModelTableCapacity),
                                 std::to_string(request.rows)}));
    return false;
  }
  ModelTable table;
  table.count = request.rows;
  return RunTableSteps(
      console, request,
      {"Running long-term model.", "Output file created successfully."},
      table.count,
      [&table](std::istream& bulletin, int row) {
        return ReadModelTableRow(bulletin, table.rows[row]);
      },
      [&](std::ostream& report) {
        ConvertModelTable(table, request.units);
        WriteModelTableReport(report, table, request.units);
      });
}
