#include "tables/severe_weather_report.h"

#include <array>
#include <string_view>

#include "common/table_line.h"

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

void WriteSevereWeatherReport(std::ostream& out, const SevereTable& table,
                              int unitSystem) {
  WriteUnitHeadingLine(out, unitSystem, kWidths, kStandardHeadings,
                       kMetricHeadings);
  for (const SevereRow& row : table)
    WriteDataLine(out, kWidths, row.hour, row.values);
}
