#include "tables/run_severe_weather.h"

#include <string>

#include "common/run_frame.h"
#include "common/table_rows.h"
#include "tables/severe_weather.h"
#include "tables/severe_weather_report.h"

void RunSevereWeather(std::istream& in, std::ostream& out, int unitSystem) {
  PrintLine(out, "Running ETA Severe Weather Model.");
  std::string bulletinName;
  if (!AskForBulletin(in, out, bulletinName)) return;
  PrintLine(out, kValidFileMessage);

  SevereTable table{};
  const bool read = ReadTableRows(bulletinName, out, kSevereRows,
                                  [&table](std::istream& bulletin, int row) {
                                    return ReadSevereRow(bulletin, table[row]);
                                  });
  if (!read) return;

  ConvertPotentialTemperatures(table, unitSystem);
  WriteReport(bulletinName, out, "Output file successfully created!",
              [&](std::ostream& report) {
                WriteSevereWeatherReport(report, table, unitSystem);
              });
}
