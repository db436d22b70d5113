#include "runs/run_station_blend.h"

#include <string>

#include "blend/blend_report.h"
#include "blend/bulletin_rows.h"
#include "blend/city_forecast.h"
#include "blend/validate_bulletin.h"
#include "common/console.h"
#include "common/replace_file.h"
#include "plot/meteogram.h"
#include "record/forecast_record.h"
#include "runs/auto_ratio.h"

namespace {

// Takes the Primary guidance's weight from the request, or asks for it until a
// number comes. False when the console input ends first.
bool AskPrimaryRatio(Console& console, const RunRequest& request,
                     double* primaryRatio) {
  if (request.primaryRatio) {
    *primaryRatio = *request.primaryRatio;
    return true;
  }
  for (;;) {
    console.out
        << "Please enter in a decimal ratio you would like for the ETA model weight: "
        << std::flush;
    if (ReadConsoleDouble(console.in, *primaryRatio)) return true;
    if (ConsoleEnded(console.in)) return false;
    PrintLine(console.err,
              "The ratio must be a decimal number; please try again.");
  }
}

// Draws the forecast into the picture file, written whole or not at all.
// A picture that would replace the bulletin or the report is refused.
bool WritePlot(Console& console, const std::string& plotName,
               const std::string& bulletinName, const CityForecast& forecast,
               const PlotFacts& facts) {
  std::string reason = "it would replace the bulletin or its report";
  if (!IsSameFile(plotName, bulletinName) &&
      !IsSameFile(plotName, ReportFileName(bulletinName)) &&
      ReplaceFileWith(plotName, MeteogramSvg(forecast, facts), &reason))
    return true;
  PrintLine(console.err, Fill("The plot file {} could not be written ({}).",
                              {plotName, reason}));
  return false;
}

// The forecast's record beside the report: what the pages are built from.
bool WriteRecord(Console& console, const std::string& recordName,
                 const BulletinHeaders& headers, const BlendInputs& inputs,
                 const VerifiedChoice& choice, UnitSystem units,
                 const CityForecast& forecast) {
  ForecastRecord record;
  record.issued = headers.issueDate.value_or(IssueDate{});
  record.units = units;
  record.primaryRatio = inputs.primaryRatio;
  record.secondaryRatio = inputs.secondaryRatio;
  record.ratioSource = choice.source;
  record.biases = choice.removed;
  record.models = headers.models;
  record.forecast = forecast;
  std::string err;
  if (WriteRecordFile(recordName, record, &err)) return true;
  PrintLine(console.err, err);
  return false;
}

// The two ratios, chosen from verification or given or asked, and the
// line saying the second. False when the console input ends first.
bool TakeRatios(Console& console, const RunRequest& request,
                const VerifiedChoice& choice, BlendInputs* inputs) {
  if (request.ratioAuto)
    inputs->primaryRatio = choice.ratio;
  else if (!AskPrimaryRatio(console, request, &inputs->primaryRatio))
    return false;
  inputs->secondaryRatio = 1.0 - inputs->primaryRatio;
  console.out << "The AVNratio value then has to be: " << inputs->secondaryRatio
              << std::endl;
  console.out << std::endl;
  return true;
}

// The six record arrays of the bulletin, both readers' passes.
bool ReadBlendInputs(const std::string& bulletinName, BlendInputs* inputs,
                     std::string* err) {
  return ReadTemperatureRows(inputs->primaryTemp, inputs->secondaryTemp,
                             inputs->extendedTemp, bulletinName, err) &&
         ReadSkyRows(inputs->primarySky, inputs->secondarySky,
                     inputs->extendedSky, bulletinName, err);
}

// The report beside the bulletin; kAsTyped units get an empty report and
// no word of success.
bool WriteForecastReport(Console& console, const std::string& bulletinName,
                         const CityForecast& forecast, UnitSystem units) {
  const bool known = units != UnitSystem::kAsTyped;
  return WriteReport(bulletinName, console,
                     known ? "Output file successfully created!" : "",
                     [&](std::ostream& report) {
                       WriteBlendReport(report, forecast, units);
                     });
}

}  // namespace

bool RunStationBlend(Console& console, const RunRequest& request) {
  return RunStationBlendWith(console, request, nullptr, nullptr);
}

bool RunStationBlendWith(Console& console, const RunRequest& request,
                         const WindowVerification* known,
                         BlendRunFacts* facts) {
  std::string bulletinName;
  if (!AskForBulletin(console, request, &bulletinName)) return false;
  std::string err;
  BulletinHeaders headers;
  if (!ValidateBulletin(bulletinName, &err, &headers)) {
    PrintLine(console.err, err);
    return false;
  }
  VerifiedChoice choice;
  choice.source = RatioSource::kTyped;
  if (request.ratioAuto || request.biasAuto) {
    if (!ChooseVerifiedRatio(request, headers, known, &choice, &err)) {
      PrintLine(console.err, err);
      return false;
    }
    // The morning that verified already names those records itself.
    if (!known)
      for (const std::string& warning : choice.warnings)
        PrintLine(console.err, warning);
    for (const std::string& line : choice.lines) PrintLine(console.out, line);
  }
  PrintLine(console.out, kValidFileMessage);
  BlendInputs inputs;
  if (!ReadBlendInputs(bulletinName, &inputs, &err)) {
    PrintLine(console.err, err);
    return false;
  }
  inputs.biases = choice.biases;
  if (!TakeRatios(console, request, choice, &inputs)) return false;
  if (facts) *facts = {inputs.primaryRatio, choice.lines};
  const CityForecast forecast = ComputeCityForecast(inputs, request.units);
  PrintDayTable(console.out, forecast, request.units);
  if (!WriteForecastReport(console, bulletinName, forecast, request.units))
    return false;
  const PlotFacts plotFacts{headers.issueDate,
                        headers.primaryModel,
                        headers.secondaryModel, inputs.primaryRatio,
                        inputs.secondaryRatio, request.units,
                        !choice.removed.empty()};
  return (!request.plotName || WritePlot(console, *request.plotName,
                                         bulletinName, forecast, plotFacts)) &&
         (!request.recordName ||
          WriteRecord(console, *request.recordName, headers, inputs, choice,
                      request.units, forecast));
}
