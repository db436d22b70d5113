#ifndef ORVANNE_APP_TODAY_COMMAND_H_
#define ORVANNE_APP_TODAY_COMMAND_H_

#include <string>
#include <vector>

#include "common/run_frame.h"
#include "fetch/fetch_products.h"

// The today command: `today [fetch's options] [--units U] [--primary P]
// --ratio R`. The day's products fetched, the 1200 Model's bulletin
// assembled from them into the archive's day folder, and the 1200 Model's
// run on it.

struct TodayRequest {
  FetchRequest fetch;
  RunRequest run;           // units and ratio; the bulletin is set later
  bool primaryNbm = false;  // --primary nbm
  bool ratioAuto = false;   // --ratio auto: the ratio from verification
};

// Reads the arguments of today (args[0] is "today"). False, with `err`
// naming the problem, when they make no today.
bool ParseTodayCommand(const std::vector<std::string>& args,
                       TodayRequest* request, std::string* err);

// The day folder's bulletin, "ARCHIVE/YYYY-MM-DD/orvanne_1200.txt".
std::string TodayBulletin(const FetchRequest& request);

// Fetches, assembles and runs; returns the exit status: 0 when the report
// was written, 1 when a product the bulletin needs is missing, the
// assembler refuses, or the run stops.
int RunTodayCommand(const TodayRequest& request, Console& console);

#endif  // ORVANNE_APP_TODAY_COMMAND_H_
