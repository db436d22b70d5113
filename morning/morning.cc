#include "morning/morning.h"

#include <filesystem>
#include <sstream>
#include <streambuf>
#include <system_error>

#include "assemble/assemble.h"
#include "fetch/product_query.h"
#include "morning/rebuild_pages.h"
#include "products/archive.h"
#include "products/archived_block.h"
#include "runs/run_station_blend.h"

namespace {

// Takes every character and keeps none: the run's console lines, which
// are the menu's and `blend`'s, not the morning's.
class DiscardingBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// The outcome of a fetch that stopped and that the morning cannot go on
// from: whether asking later may mend it.
MorningOutcome StatusOfStop(const FetchResult& fetched) {
  for (const MissingProduct& product : fetched.missing)
    if (!product.tryLater) return MorningOutcome::kProductsMissing;
  return MorningOutcome::kProductsLater;
}

// Kept when every guidance product the bulletin needs is in the archive;
// otherwise each missing one is named and the outcome tells whether it
// may come later.
bool NeededProductsFetched(const FetchResult& fetched, Console& console,
                           MorningOutcome* outcome) {
  bool any = false;
  bool later = true;
  for (const MissingProduct& product : fetched.missing) {
    if (!IsGuidanceId(product.id)) continue;
    any = true;
    later = later && product.tryLater;
    PrintLine(
        console.err,
        Fill("{} is not in the archive; the 1200 Model's bulletin needs it.",
             {product.id}));
  }
  if (!any) return true;
  *outcome = later ? MorningOutcome::kProductsLater
                   : MorningOutcome::kProductsMissing;
  return false;
}

// Whether the day folder holds a file of every guidance product the
// bulletin needs, final or not.
bool ArchiveHoldsTheGuidance(const FetchRequest& fetch) {
  std::error_code error;
  for (const std::string& id : ProductIds())
    if (IsGuidanceId(id) &&
        !std::filesystem::is_regular_file(
            ArchivedProduct(fetch.archive, fetch.day, id), error))
      return false;
  return true;
}

// After a fetch that stopped at the service: whether the morning goes on
// from the archive, its one line said either way.
bool GoesOnFromTheArchive(const FetchRequest& fetch, const FetchResult& fetched,
                          Console& console, MorningOutcome* outcome) {
  const bool wrongAddress = fetched.stop == FetchStop::kWrongAddress;
  if (!ServiceFailedForNow(fetched.stop) && !wrongAddress) return false;
  if (!ArchiveHoldsTheGuidance(fetch)) {
    PrintLine(console.err, fetched.stopLine);
    return false;
  }
  std::string ids;
  for (const std::string& id : fetched.notRefreshed)
    ids += (ids.empty() ? "" : ", ") + id;
  PrintLine(console.err,
            Fill("The product service at {} failed ({}); the forecast is made from the archive, without refreshing {}.",
                 {std::string(ServiceHost(fetch.source)),
                  fetched.serviceReason, ids.empty() ? "any product" : ids}));
  *outcome = wrongAddress ? MorningOutcome::kMadeFromArchiveAddressWrong
                          : MorningOutcome::kMadeFromArchive;
  return true;
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

// The day's bulletin assembled from its archived guidance products; the
// assembler's lines per section are its own, not the morning's.
bool AssembleTheDay(const MorningRequest& request, Console& console) {
  const FetchRequest& fetch = request.fetch;
  AssembleRequest assemble;
  for (const std::string& id : ProductIds())
    if (IsGuidanceId(id))
      assemble.files.push_back(ArchivedProduct(fetch.archive, fetch.day, id));
  assemble.output = DayFile(fetch.archive, fetch.day, DayFileKind::kBulletin);
  assemble.date = fetch.day;
  assemble.primaryNbm = request.primaryNbm;
  return RunAssemble(assemble, console) == ExitStatus::kWritten;
}

// The lines naming the ratio the run used and the biases it removed.
std::vector<std::string> RatioLines(const RunRequest& run,
                                    const BlendRunFacts& facts) {
  if (run.ratioAuto) return facts.choiceLines;
  std::ostringstream ratio;
  ratio << facts.primaryRatio;
  std::vector<std::string> lines{Fill("The ratio given: {}", {ratio.str()})};
  // With --bias auto, the biases' line (or why none was removed).
  lines.insert(lines.end(), facts.choiceLines.begin(), facts.choiceLines.end());
  return lines;
}

}  // namespace

MorningOutcome RunMorning(const MorningRequest& request,
                          const FetchTools& tools, Console& console) {
  FetchRequest fetch = request.fetch;
  fetch.sayServiceStop = false;
  MorningOutcome outcome = MorningOutcome::kMade;
  const FetchResult fetched = FetchProducts(fetch, tools, console.err);
  if (fetched.stop == FetchStop::kNone) {
    if (!NeededProductsFetched(fetched, console, &outcome)) return outcome;
  } else if (!GoesOnFromTheArchive(fetch, fetched, console, &outcome)) {
    return StatusOfStop(fetched);
  }
  const std::string lacking =
      fetch.day == tools.today ? ProductsLackingTheirCycle(fetch) : "";
  if (!lacking.empty()) {
    PrintLine(console.err,
              Fill("The 1200 UTC guidance of {} is not out yet ({}); try again later.",
                   {FormatIssueDate(fetch.day), lacking}));
    return MorningOutcome::kCycleNotOut;
  }
  DiscardingBuffer discarded;
  std::ostream quiet(&discarded);
  Console runConsole{console.in, quiet, console.err};
  if (!AssembleTheDay(request, runConsole))
    return MorningOutcome::kAssembleRefused;

  const auto file = [&](DayFileKind kind) {
    return DayFile(fetch.archive, fetch.day, kind);
  };
  RunRequest run = request.run;
  run.archive = fetch.archive;
  run.bulletinName = file(DayFileKind::kBulletin);
  run.plotName = file(DayFileKind::kPicture);
  run.recordName = file(DayFileKind::kRecord);
  // One verification of the window for the ratio and for the pages.
  const WindowVerification window = VerifyWindowBefore(fetch.archive, fetch.day);
  BlendRunFacts facts;
  if (!RunStationBlendWith(runConsole, run, &window, &facts))
    return MorningOutcome::kRunRefused;
  for (const std::string& line : RatioLines(run, facts))
    PrintLine(console.out, line);
  if (RebuildPages(fetch.archive, console, &window, &fetch.day) !=
      PagesOutcome::kWritten) {
    PrintLine(console.out,
              Fill("The report is {}, the picture {}.",
                   {file(DayFileKind::kReport), file(DayFileKind::kPicture)}));
    return outcome == MorningOutcome::kMade ? MorningOutcome::kPagesNotWritten
                                            : outcome;
  }
  PrintLine(console.out,
            Fill("The report is {}, the picture {}, the page {}/index.html.",
                 {file(DayFileKind::kReport), file(DayFileKind::kPicture),
                  fetch.archive}));
  return outcome;
}
