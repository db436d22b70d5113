#include "app/today_command.h"

#include "app/fetch_command.h"
#include "app/page_command.h"
#include "app/run_commands.h"
#include "assemble/assemble.h"
#include "common/console.h"
#include "fetch/product_query.h"
#include "products/archive.h"
#include "products/archived_block.h"
#include "runs/run_station_blend.h"

namespace {

// kWritten when every guidance product the bulletin needs is in the
// archive; otherwise each missing one is named (unless the fetch stopped
// and said why) and the status tells whether it may come later.
ExitStatus NeededProductsFetched(const FetchResult& fetched,
                                 Console& console) {
  std::vector<MissingProduct> needed;
  for (const MissingProduct& product : fetched.missing) {
    if (!IsGuidanceId(product.id)) continue;
    needed.push_back(product);
    if (fetched.stopped) continue;
    PrintLine(
        console.err,
        Fill("{} is not in the archive; the 1200 Model's bulletin needs it.",
             {product.id}));
  }
  return StatusOf(needed);
}

// The products (MAV, NBS, ...) of the day that lack a station's block of
// the cycle the 1200 Model takes, as they do before that cycle is out.
std::string ProductsLackingTheirCycle(const FetchRequest& fetch) {
  std::string lacking;
  for (Guidance guidance : {Guidance::kGfs, Guidance::kNbm, Guidance::kGfsx}) {
    const std::string_view product = FactsOf(guidance).serviceProduct;
    for (std::string_view station : kBulletinStations) {
      const std::string path = ArchivedProduct(
          fetch.archive, fetch.day, ProductId(product, station));
      if (HoldsBlock(path, guidance, station, fetch.day)) continue;
      lacking += (lacking.empty() ? "" : ", ") + std::string(product);
      break;
    }
  }
  return lacking;
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

// The 1200 Model on the day's bulletin, with its picture and record beside
// the report, then the archive's pages and the line naming what was written.
ExitStatus RunTheDay(const FetchRequest& fetch, RunRequest run,
                     Console& console) {
  const auto file = [&](TodayFileKind kind) {
    return TodayFile(fetch.archive, fetch.day, kind);
  };
  run.archive = fetch.archive;
  run.bulletinName = file(TodayFileKind::kBulletin);
  run.plotName = file(TodayFileKind::kPicture);
  run.recordName = file(TodayFileKind::kRecord);
  if (!RunStationBlend(console, run)) return ExitStatus::kRefused;
  RebuildPages(fetch.archive, console);
  PrintLine(console.out,
            Fill("The report is {}, the picture {}, the page {}/index.html.",
                 {file(TodayFileKind::kReport), file(TodayFileKind::kPicture),
                  fetch.archive}));
  return AfterRun(true, console);
}

}  // namespace

ExitStatus TodayCommand(const CommandArguments& args, Console& console,
                        std::string* usage) {
  if (!TakesNoOperand(args, usage)) return ExitStatus::kUsage;
  OptionValues values = args.values;
  if (!values.ratio) {
    *usage = "today needs the option --ratio";
    return ExitStatus::kUsage;
  }
  RunRequest run;
  if (values.units) run.units = *values.units;
  values.archive.reset();  // fetch's archive, not only --ratio auto's
  FetchRequest fetch;
  if (!TakeRatioOptions(values, &run, usage) ||
      !FetchRequestOf(args.values, &fetch, usage))
    return ExitStatus::kUsage;
  const ExitStatus fetched = NeededProductsFetched(
      FetchProducts(fetch, SystemFetchTools(), console.err), console);
  if (fetched != ExitStatus::kWritten) return fetched;
  const std::string lacking =
      fetch.day == TodayUtc() ? ProductsLackingTheirCycle(fetch) : "";
  if (!lacking.empty()) {
    PrintLine(console.err,
              Fill("The 1200 UTC guidance of {} is not out yet ({}); try again later.",
                   {FormatIssueDate(fetch.day), lacking}));
    return ExitStatus::kTryLater;
  }
  if (!AssembleTheDay(fetch, values.primaryNbm.value_or(false), console))
    return ExitStatus::kRefused;
  return RunTheDay(fetch, run, console);
}
