#ifndef ORVANNE_FETCH_FETCH_PRODUCTS_H_
#define ORVANNE_FETCH_FETCH_PRODUCTS_H_

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/exit_status.h"
#include "fetch/product_query.h"
#include "fetch/retry_policy.h"
#include "products/issue_date.h"

// The fetch: a day's products from the service into the archive, one
// request at a time, each "ARCHIVE/YYYY-MM-DD/ID.txt" written whole.

struct FetchRequest {
  IssueDate day;        // the UTC day
  std::string archive;  // the archive's folder, made when missing
  std::string source{kProductService};
  int timeoutSeconds = 60;  // the whole of one request
  // False: a stop at the service's failure or a wrong address is left for
  // the caller to say (today, which may go on from the archive).
  bool sayServiceStop = true;
};

// What the fetch talks to the world through; tests stand in for them.
struct FetchTools {
  HttpGetFunction get;
  SleepFunction sleep;
  bool progress = false;  // a progress line while it runs (a terminal)
  IssueDate today;        // the UTC date now: is the day asked for over?
};

// An id not in the archive after the fetch, and whether asking again
// later may bring it: not issued yet during its day, the service
// unreachable or still failing after its tries (time-outs, 429, 5xx, no
// connection). A product the service lacks for a day that has ended, a
// wrong address, a refused answer or a file that cannot be written will
// not mend.
struct MissingProduct {
  std::string id;
  bool tryLater = false;
};

// Why the fetch ended with one line instead of one per id.
enum class FetchStop {
  kNone,           // it went through every id, one line each
  // The first id asked, after all its attempts:
  kUnreachable,    // no connection (or no secure one) could be made
  kOnlyBusy,       // the service answered 503 or 429
  kTimedOut,       // the service did not answer in time
  kWrongAddress,   // an answer 4xx but 429: --source is not the service's
  kNoClient,       // the HTTP client (libcurl) could not be loaded
  // Before or after asking:
  kNoFolder,       // the day's folder could not be made
  kNothingIssued,  // every id answered "not issued yet", during its day
};

// True when the service itself failed in a way that may pass: unreachable,
// only 503 or 429, timed out. A wrong address is a setting to correct.
bool ServiceFailedForNow(FetchStop stop);

// What the fetch did: the ids not in the archive afterwards (when it
// stopped, every id, each as the stop may or may not mend), how it ended,
// and the ids it could not refresh.
struct FetchResult {
  std::vector<MissingProduct> missing;
  bool stopped = false;  // stop is not kNone: its one line said why
  FetchStop stop = FetchStop::kNone;
  // When stopped, the one line printed, without its line end.
  std::string stopLine;
  // When the service failed, the last attempt's words: "connection
  // refused", "HTTP 503", "timed out", "HTTP 404", ...
  std::string serviceReason;
  // The ids, in the order asked, that were not final in the archive and
  // got no new file in this fetch: failed, not issued, or not asked
  // because the fetch stopped. The archive may still hold an older copy.
  std::vector<std::string> notRefreshed;
};

// The exit status a fetch's result makes: every id there, every missing
// one may come later, or some will not.
ExitStatus StatusOf(const std::vector<MissingProduct>& missing);

// The network, the clock's sleep, a progress line when standard error is
// a terminal, and today's UTC date.
FetchTools SystemFetchTools();

// Fetches every id of ProductIds() for the day that is not final in the
// archive, one line per id on `err`: "MAVFSD: 3 products, 5 KB",
// "MEXBKX: kept from the archive", "CLIHON: not issued yet" (during its
// day; "not found at the service" after it), "NBSFSD: failed after 3
// attempts (HTTP 503)". When the first id asked gets no connection at all,
// only 503 or 429, only time-outs, or an answer 4xx but 429 (the address is
// not the service's), or libcurl cannot be loaded, it stops there with one
// line and every id missing. When every id answers "not issued yet" the
// fetch is the one line "None of the day's 15 products is issued yet; try
// again later.". A folder it made and left empty is removed.
FetchResult FetchProducts(const FetchRequest& request, const FetchTools& tools,
                          std::ostream& err);

// True when standard error is a terminal. One file per platform.
bool StandardErrorIsTerminal();

#endif  // ORVANNE_FETCH_FETCH_PRODUCTS_H_
