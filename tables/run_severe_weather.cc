#include "tables/run_severe_weather.h"

#include <string>

#include "common/run_frame.h"

void RunSevereWeather(std::istream& in, std::ostream& out, int unitSystem) {
  (void)unitSystem;
  PrintLine(out, "Running ETA Severe Weather Model.");
  std::string bulletinName;
  if (!AskForBulletin(in, out, bulletinName)) return;
  PrintLine(out, kValidFileMessage);
  WriteReport(bulletinName, out, "Output file successfully created!",
              [](std::ostream&) {});
}
