#include "app/today_command.h"

#include "app/arguments.h"
#include "app/auto_ratio.h"
#include "app/command_line.h"
#include "app/fetch_command.h"
#include "assemble/assemble.h"
#include "blend/run_station_blend.h"
#include "common/console.h"
#include "fetch/product_query.h"
#include "products/archive.h"

namespace {

// The options of today beyond fetch's.
bool TakeTodayOption(const std::string& name, const std::string& value,
                     TodayRequest* request, std::string* err) {
  if (name == "--primary")
    return ParsePrimaryOption(value, &request->primaryNbm, err);
  if (name == "--ratio" && value == "auto") {
    request->ratioAuto = true;
    return true;
  }
  if (name == "--units" || name == "--ratio")
    return TakeOption(name, value, &request->run, err);
  return true;
}

}  // namespace

bool ParseTodayCommand(const std::vector<std::string>& args,
                       TodayRequest* request, std::string* err) {
  std::vector<std::string_view> allowed = kFetchOptions;
  allowed.insert(allowed.end(), {"--units", "--primary", "--ratio"});
  Options options;
  std::vector<std::string> operands;
  if (!SplitArguments(args, allowed, &options, &operands, err)) return false;
  if (!operands.empty()) {
    *err = Fill("today takes no file, not '{}'", {operands[0]});
    return false;
  }
  for (const auto& [name, value] : options)
    if (!TakeTodayOption(name, value, request, err)) return false;
  if (!request->run.primaryRatio && !request->ratioAuto) {
    *err = "today needs the option --ratio";
    return false;
  }
  return TakeFetchOptions(options, &request->fetch, err);
}

std::string TodayBulletin(const FetchRequest& request) {
  return DayFolder(request.archive, request.day) + "/orvanne_1200.txt";
}

int RunTodayCommand(const TodayRequest& request, Console& console) {
  const std::vector<std::string> missing =
      FetchProducts(request.fetch, SystemFetchTools(), console.err);
  bool needed = false;
  for (const std::string& id : missing) {
    if (!IsGuidanceId(id)) continue;
    PrintLine(
        console.err,
        Fill("{} is not in the archive; the 1200 Model's bulletin needs it.",
             {id}));
    needed = true;
  }
  if (needed) return kExitRefused;

  AssembleRequest assemble;
  for (const std::string& id : ProductIds())
    if (IsGuidanceId(id))
      assemble.files.push_back(
          ArchivedProduct(request.fetch.archive, request.fetch.day, id));
  assemble.output = TodayBulletin(request.fetch);
  assemble.date = FormatIssueDate(request.fetch.day);
  assemble.primaryNbm = request.primaryNbm;
  if (RunAssemble(assemble, console) != kExitWritten) return kExitRefused;

  RunRequest run = request.run;
  run.bulletinName = assemble.output;
  run.plotName =
      DayFolder(request.fetch.archive, request.fetch.day) + "/orvanne_1200.svg";
  const bool written = request.ratioAuto
                           ? RunWithAutoRatio(RunStationBlend, run,
                                              request.fetch.archive, console)
                           : RunStationBlend(console, run);
  return written ? kExitWritten : kExitRefused;
}
