#include "tables/severe_weather.h"

#include <string>
#include <string_view>

#include "common/console.h"
#include "common/token_reads.h"
#include "tables/table_frame.h"

namespace {

constexpr std::size_t kColumns = kSevereValues + 1;
constexpr std::array<int, kColumns> kWidths{5,  16, 12, 13, 13, 13,
                                            12, 12, 14, 11, 12};
constexpr std::array<std::string_view, kColumns> kStandardHeadings{
    "HR",         "BEST 4LYR LNDE", "LIFT INDEX", "CNV INHIB",
    "CNV AVBL",   "POT TEMP F",     "900MB KNTC", "500MB KNTC",
    "250MB KNTC", "LAT HEAT",       "SANS HEAT"};
constexpr std::array<std::string_view, kColumns> kMetricHeadings{
    "HR",         "BEST 4LYR LNDE", "LIFT INDEX", "CNV INHIB",
    "CNV AVBL",   "POT TEMP C",     "900MB KNTC", "500MB KNTC",
    "250MB KNTC", "LAT HEAT",       "SANS HEAT"};

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
  WriteUnitHeadingLine(out, units, kWidths, kStandardHeadings, kMetricHeadings);
  for (const SevereRow& row : table)
    WriteDataLine(out, kWidths, row.hour, row.values);
}

bool RunSevereWeather(Console& console, const RunRequest& request) {
  PrintLine(console.out, "Running ETA Severe Weather Model.");
  std::string bulletinName;
  if (!AskForBulletin(console, request, &bulletinName)) return false;
  PrintLine(console.out, kValidFileMessage);
  SevereTable table{};
  std::string err;
  if (!ReadTableRows(
          bulletinName, kSevereRows,
          [&table](std::istream& bulletin, int row) {
            return ReadSevereRow(bulletin, table[row]);
          },
          &err)) {
    PrintLine(console.err, err);
    return false;
  }
  ConvertPotentialTemperatures(table, request.units);
  return WriteReport(bulletinName, console, "Output file successfully created!",
                     [&](std::ostream& report) {
                       WriteSevereWeatherReport(report, table, request.units);
                     });
}
