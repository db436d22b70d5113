#ifndef ORVANNE_MORNING_MORNING_H_
#define ORVANNE_MORNING_MORNING_H_

#include "common/console.h"
#include "common/run_frame.h"
#include "fetch/fetch_products.h"

// `today`: the forecaster's morning in one step. The day's products
// fetched into the archive, the 1200 UTC cycle checked, the bulletin
// assembled, the 1200 Model run on it with its picture and record, then
// the archive's pages; standard output says only what the morning made.

struct MorningRequest {
  FetchRequest fetch;  // the day, the archive folder (found), the service
  // The 1200 Model's units and ratio (typed, or --ratio auto with its
  // fallback and --bias auto); the bulletin, picture, record and archive
  // are the morning's own.
  RunRequest run;
  bool primaryNbm = false;  // --primary nbm, for the assembler
};

enum class MorningOutcome {
  kMade,              // report, picture, record and pages written
  // The service failed, for now, or its address is wrong, and the forecast
  // was made from the guidance the archive already held.
  kMadeFromArchive,
  kMadeFromArchiveAddressWrong,
  kPagesNotWritten,   // the forecast made; a page could not be written
  kProductsLater,     // a product the bulletin needs may come later
  kProductsMissing,   // a product the bulletin needs will not come
  kCycleNotOut,       // the day's 1200 UTC guidance is not out yet
  kAssembleRefused,   // the assembler refused the day's products
  kRunRefused,        // the 1200 Model refused the bulletin
};

// Carries the morning out, its lines on `console`, the fetch through
// `tools`.
MorningOutcome RunMorning(const MorningRequest& request,
                          const FetchTools& tools, Console& console);

#endif  // ORVANNE_MORNING_MORNING_H_
