#include "blend/run_station_blend.h"

#include <string>

#include "common/run_frame.h"

void RunStationBlend(std::istream& in, std::ostream& out, int unitSystem) {
  std::string bulletinName;
  if (!AskForBulletin(in, out, bulletinName)) return;
  PrintLine(out, kValidFileMessage);
  const bool known = unitSystem == 1 || unitSystem == 2;
  WriteReport(bulletinName, out,
              known ? "Output file successfully created!" : "",
              [](std::ostream&) {});
}
