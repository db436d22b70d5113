#include "app/run_commands.h"

#include "common/console.h"
#include "runs/run_station_blend.h"
#include "tables/model_table.h"
#include "tables/severe_weather.h"

namespace {

// The run's bulletin: the one operand.
bool TakeBulletin(const CommandArguments& args, RunRequest* request,
                  std::string* err) {
  if (args.operands.empty()) {
    *err = Fill("{} needs the name of a bulletin", {args.name});
    return false;
  }
  if (args.operands.size() > 1) {
    *err = Fill("{} takes one bulletin, not {}",
                {args.name, std::to_string(args.operands.size())});
    return false;
  }
  request->bulletinName = args.operands[0];
  return true;
}

ExitStatus StartRun(RunFunction run, int rows, const CommandArguments& args,
                    Console& console, std::string* usage) {
  RunRequest request;
  if (!RunRequestOf(args, rows, run == RunStationBlend, &request, usage))
    return ExitStatus::kUsage;
  return AfterRun(run(console, request), console);
}

}  // namespace

bool TakeRatioOptions(const OptionValues& values, RunRequest* request,
                      std::string* err) {
  if (values.ratio) {
    request->ratioAuto = values.ratio->automatic;
    if (!request->ratioAuto) request->primaryRatio = values.ratio->value;
  }
  // --bias auto works with a typed ratio too, from the same archive.
  const std::pair<bool, std::string_view> onlyWithAuto[] = {
      {values.archive.has_value() && !values.biasAuto, "--archive"},
      {values.fallbackRatio.has_value(), "--fallback-ratio"}};
  for (const auto& [given, option] : onlyWithAuto) {
    if (given && !request->ratioAuto) {
      *err = Fill("the option {} goes with --ratio auto", {option});
      return false;
    }
  }
  request->archive = values.archive.value_or("");
  request->fallbackRatio = values.fallbackRatio;
  request->biasAuto = values.biasAuto;
  return true;
}

bool RunRequestOf(const CommandArguments& args, int rows, bool needsRatio,
                  RunRequest* request, std::string* err) {
  const OptionValues& values = args.values;
  if (values.units) request->units = *values.units;
  request->rows = values.rows.value_or(rows);
  request->plotName = values.plot;
  request->recordName = values.record;
  if (!TakeRatioOptions(values, request, err)) return false;
  if (needsRatio && !values.ratio) {
    *err = Fill("{} needs the option --ratio", {args.name});
    return false;
  }
  return TakeBulletin(args, request, err);
}

ExitStatus AfterRun(bool written, Console& console) {
  if (!written) return ExitStatus::kRefused;
  if (console.out.flush()) return ExitStatus::kWritten;
  PrintLine(console.err,
            "The run's lines could not be written to standard output.");
  return ExitStatus::kRefused;
}

ExitStatus BlendCommand(const CommandArguments& args, Console& console,
                        std::string* usage) {
  return StartRun(RunStationBlend, 0, args, console, usage);
}

ExitStatus TableCommand(const CommandArguments& args, Console& console,
                        std::string* usage) {
  return StartRun(RunModelTable, kModelTableCapacity, args, console, usage);
}

ExitStatus SevereCommand(const CommandArguments& args, Console& console,
                         std::string* usage) {
  return StartRun(RunSevereWeather, 0, args, console, usage);
}
