#include "app/today_command.h"

#include "app/fetch_command.h"
#include "assemble/assemble.h"
#include "common/console.h"
#include "fetch/product_query.h"
#include "products/archive.h"
#include "runs/run_station_blend.h"

namespace {

// Every guidance product the bulletin needs is in the archive; otherwise
// each missing one is named.
bool NeededProductsFetched(const std::vector<std::string>& missing,
                           Console& console) {
  bool needed = false;
  for (const std::string& id : missing) {
    if (!IsGuidanceId(id)) continue;
    PrintLine(
        console.err,
        Fill("{} is not in the archive; the 1200 Model's bulletin needs it.",
             {id}));
    needed = true;
  }
  return !needed;
}

// The day's bulletin assembled from its archived guidance products.
bool AssembleTheDay(const FetchRequest& fetch, bool primaryNbm,
                    Console& console) {
  AssembleRequest assemble;
  for (const std::string& id : ProductIds())
    if (IsGuidanceId(id))
      assemble.files.push_back(ArchivedProduct(fetch.archive, fetch.day, id));
  assemble.output = TodayFile(fetch.archive, fetch.day, TodayFileKind::kBulletin);
  assemble.date = FormatIssueDate(fetch.day);
  assemble.primaryNbm = primaryNbm;
  return RunAssemble(assemble, console) == ExitStatus::kWritten;
}

}  // namespace

ExitStatus TodayCommand(const CommandArguments& args, Console& console,
                        std::string* usage) {
  if (!args.operands.empty()) {
    *usage = Fill("today takes no file, not '{}'", {args.operands[0]});
    return ExitStatus::kUsage;
  }
  const OptionValues& values = args.values;
  if (!values.ratio) {
    *usage = "today needs the option --ratio";
    return ExitStatus::kUsage;
  }
  FetchRequest fetch;
  std::string err;
  if (!FetchRequestOf(values, &fetch, &err)) {
    PrintLine(console.err, err);
    return ExitStatus::kRefused;
  }
  if (!NeededProductsFetched(
          FetchProducts(fetch, SystemFetchTools(), console.err), console) ||
      !AssembleTheDay(fetch, values.primaryNbm.value_or(false), console))
    return ExitStatus::kRefused;
  RunRequest run;
  if (values.units) run.units = *values.units;
  run.ratioAuto = values.ratio->automatic;
  if (!run.ratioAuto) run.primaryRatio = values.ratio->value;
  run.archive = fetch.archive;
  run.bulletinName = TodayFile(fetch.archive, fetch.day, TodayFileKind::kBulletin);
  run.plotName = TodayFile(fetch.archive, fetch.day, TodayFileKind::kPicture);
  return RunStationBlend(console, run) ? ExitStatus::kWritten
                                       : ExitStatus::kRefused;
}
