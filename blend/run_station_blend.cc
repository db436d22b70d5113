#include "blend/run_station_blend.h"

#include <string>

#include "blend/blend_report.h"
#include "blend/sky_rows.h"
#include "blend/temperature_rows.h"
#include "blend/validate_bulletin.h"
#include "common/console_reads.h"
#include "common/run_frame.h"

namespace {

// Asks for the "ETA" weight until a number comes. False when the console
// input ends first.
bool AskEtaRatio(std::istream& in, std::ostream& out, double& etaRatio) {
  for (;;) {
    out << "Please enter in a decimal ratio you would like for the ETA model "
           "weight: "
        << std::flush;
    if (ReadConsoleDouble(in, etaRatio)) return true;
    if (ConsoleEnded(in)) return false;
    PrintLine(out, "The ratio must be a decimal number; please try again.");
  }
}

// Reads every row the forecast needs. On false the reason is printed.
bool ReadBulletinRows(const std::string& bulletinName, std::ostream& out,
                      BlendInputs& inputs) {
  std::string error;
  if (ReadTemperatureRows(inputs.etaTemp, inputs.avnTemp, inputs.extTemp,
                          bulletinName, error) &&
      ReadSkyRows(inputs.etaSky, inputs.avnSky, inputs.extSky, bulletinName,
                  error))
    return true;
  PrintLine(out, error);
  return false;
}

}  // namespace

void RunStationBlend(std::istream& in, std::ostream& out, int unitSystem) {
  std::string bulletinName;
  if (!AskForBulletin(in, out, bulletinName)) return;
  if (!ValidateBulletin(bulletinName)) {
    PrintLine(out, "Your input file is invalid.");
    return;
  }
  PrintLine(out, kValidFileMessage);

  BlendInputs inputs;
  if (!ReadBulletinRows(bulletinName, out, inputs)) return;
  if (!AskEtaRatio(in, out, inputs.etaRatio)) return;
  inputs.avnRatio = 1.0 - inputs.etaRatio;
  out << "The AVNratio value then has to be: " << inputs.avnRatio << std::endl;
  out << std::endl;

  PrintDayTable(out, inputs, unitSystem);
  // Other unit systems get an empty report and no word of success.
  const bool known = unitSystem == 1 || unitSystem == 2;
  WriteReport(bulletinName, out,
              known ? "Output file successfully created!" : "",
              [&](std::ostream& report) {
                WriteBlendReport(report, inputs, unitSystem);
              });
}
