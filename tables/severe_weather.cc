#include "tables/severe_weather.h"

#include <array>

#include "common/token_reads.h"
#include "tables/table_frame.h"

namespace {

// What a column shows of a row's values: `Value<index>`.
template <int Index>
ReportItem Value(const SevereRow& row) {
  return row.values[Index];
}

// The report's columns: the hour, then the values in the bulletin's order.
constexpr auto kColumns = std::to_array<ReportColumn<SevereRow>>({
    {5, "HR", "HR", Member<&SevereRow::hour>},
    {16, "BEST 4LYR LNDE", "BEST 4LYR LNDE", Value<0>},
    {12, "LIFT INDEX", "LIFT INDEX", Value<1>},
    {13, "CNV INHIB", "CNV INHIB", Value<2>},
    {13, "CNV AVBL", "CNV AVBL", Value<3>},
    {13, "POT TEMP F", "POT TEMP C", Value<kPotentialTemperature>},
    {12, "900MB KNTC", "900MB KNTC", Value<5>},
    {12, "500MB KNTC", "500MB KNTC", Value<6>},
    {14, "250MB KNTC", "250MB KNTC", Value<7>},
    {11, "LAT HEAT", "LAT HEAT", Value<8>},
    {12, "SANS HEAT", "SANS HEAT", Value<9>},
});
static_assert(kColumns.size() == kSevereValues + 1);

}  // namespace

bool ReadSevereRow(std::istream& in, SevereRow& row) {
  if (!ReadDelimitedHour(in, row.hour)) return false;
  for (double& value : row.values)
    if (!ReadDouble(in, value)) return false;
  return true;
}

void ConvertPotentialTemperatures(SevereTable& table, UnitSystem units) {
  for (SevereRow& row : table) {
    double& temperature = row.values[kPotentialTemperature];
    if (units == UnitSystem::kStandard) {
      const double celsius = KelvinsToCelsius(temperature);
      temperature = CelsiusToFahrenheit(celsius);
    } else if (units == UnitSystem::kMetric) {
      temperature = KelvinsToCelsius(temperature);
    }
  }
}

void WriteSevereWeatherReport(std::ostream& out, const SevereTable& table,
                              UnitSystem units) {
  WriteTableReport(out, kColumns, table, units);
}

bool RunSevereWeather(Console& console, const RunRequest& request) {
  SevereTable table{};
  return RunTableSteps(
      console, request,
      {"Running ETA Severe Weather Model.",
       "Output file successfully created!"},
      kSevereRows,
      [&table](std::istream& bulletin, int row) {
        return ReadSevereRow(bulletin, table[row]);
      },
      [&](std::ostream& report) {
        ConvertPotentialTemperatures(table, request.units);
        WriteSevereWeatherReport(report, table, request.units);
      });
}
