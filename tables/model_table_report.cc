#include "tables/model_table_report.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "common/table_line.h"

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

void WriteModelTableReport(std::ostream& out, const ModelTable& table,
                           const ModelTableColumn& adjustment,
                           const ModelTableColumn& plusTemp,
                           const ModelTableColumn& minusTemp, int count,
                           int unitSystem) {
  WriteUnitHeadingLine(out, unitSystem, kWidths, kStandardHeadings,
                       kMetricHeadings);
  for (int i = 0; i < std::clamp(count, 0, kModelTableCapacity); ++i) {
    const ModelTableRow& row = table[i];
    WriteDataLine(
        out, kWidths, row.hour,
        {row.pressure, row.temp2m, row.temp850, row.temp700, row.temp500,
         row.thickness, row.humidity, row.precip, row.cloudCover, row.windDir,
         row.windSpeed, adjustment[i], plusTemp[i], minusTemp[i]});
  }
}
