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
  // The archive --ratio auto and --bias auto verify, found when the
  // command runs.
  std::string problem;
  if ((request.ratioAuto || request.biasAuto) &&
      !ArchiveOf(args.values, &request.archive, &problem)) {
    PrintLine(console.err, problem);
    return ExitStatus::kRefused;
  }
  return AfterRun(run(console, request), console);
}

}  // namespace

bool RunRequestOf(const CommandArguments& args, int rows, bool needsRatio,
                  RunRequest* request, std::string* err) {
  const OptionValues& values = args.values;
  if (values.units) request->units = *values.units;
  request->rows = values.rows.value_or(rows);
  request->plotName = values.plot;
  request->recordName = values.record;
  // --bias auto verifies the archive too, with a typed ratio as well.
  if (values.archive && !values.biasAuto &&
      !(values.ratio && values.ratio->automatic)) {
    *err = "the option --archive goes with --ratio auto";
    return false;
  }
  if (!TakeRatioOptions(values, request, err)) return false;
  if (needsRatio && !values.ratio) {
    *err = Fill("{} needs the option --ratio", {args.name});
    return false;
  }
  return TakeBulletin(args, request, err);
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
