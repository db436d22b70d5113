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

// The ids not in the archive afterwards, and whether the fetch stopped at
// its first id (its one line said why).
struct FetchResult {
  std::vector<MissingProduct> missing;
  bool stopped = false;
};

// The exit status a fetch's result makes: every id there, every missing
// one may come later, or some will not.
ExitStatus StatusOf(const std::vector<MissingProduct>& missing);

// The network, the clock's sleep, a progress line when standard error is
// a terminal, and today's UTC date.
FetchTools SystemFetchTools();

// Fetches every id of ProductIds() for the day that is not final in the
// archive, one line per id on `err`: "MAVFSD: 3 products, 9 KB",
// "MEXBKX: kept from the archive", "CLIHON: not issued yet" (during its
// day; "not found at the service" after it), "NBSFSD: failed after 3
// attempts (HTTP 503)". When the first id asked gets no connection at all,
// or an answer 4xx but 429 (the address is not the service's), it stops
// there with one line naming the address, every id missing, and leaves no
// folder it made.
FetchResult FetchProducts(const FetchRequest& request, const FetchTools& tools,
                          std::ostream& err);

// True when standard error is a terminal. One file per platform.
bool StandardErrorIsTerminal();

#endif  // ORVANNE_FETCH_FETCH_PRODUCTS_H_
