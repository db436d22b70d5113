#ifndef ORVANNE_FETCH_FETCH_PRODUCTS_H_
#define ORVANNE_FETCH_FETCH_PRODUCTS_H_

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

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
};

// The network, the clock's sleep, and a progress line when standard error
// is a terminal.
FetchTools SystemFetchTools();

// Fetches every id of ProductIds() for the day that is not final in the
// archive, one line per id on `err`: "MAVFSD: 3 products, 9 KB",
// "MEXBKX: kept from the archive", "CLIHON: not issued yet",
// "NBSFSD: failed after 3 attempts (HTTP 503)". Returns the ids that are
// not in the archive afterwards.
std::vector<std::string> FetchProducts(const FetchRequest& request,
                                       const FetchTools& tools,
                                       std::ostream& err);

// True when standard error is a terminal. One file per platform.
bool StandardErrorIsTerminal();

#endif  // ORVANNE_FETCH_FETCH_PRODUCTS_H_
