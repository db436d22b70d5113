#ifndef ORVANNE_FETCH_PRODUCT_QUERY_H_
#define ORVANNE_FETCH_PRODUCT_QUERY_H_

#include <string>
#include <string_view>
#include <vector>

#include "products/issue_date.h"

// What is asked of the product service: which ids, at which address, in
// which query, with which User-Agent. The same on every platform.

// The service that keeps the issued text products by id.
inline constexpr std::string_view kProductService =
    "https://mesonet.agron.iastate.edu/cgi-bin/afos/retrieve.py";

// The ids fetched for a day, in the order asked: each issued guidance of
// the guidance table for each of the 1200 Model's stations (MAV, MEX, NBS),
// then the daily climate reports (KBKX issues none): 15 ids.
std::vector<std::string> ProductIds();

// True for an id the 1200 Model's bulletin is assembled from (not a
// climate report).
bool IsGuidanceId(std::string_view id);

// True when `source` is an http:// or https:// address (the scheme in any
// case) with a host, and holds no blank or control character.
bool IsServiceAddress(std::string_view source);

// The address of one id's products issued on the UTC day `day`:
// "SOURCE?pil=ID&fmt=text&limit=9999&sdate=YYYY-MM-DD&edate=YYYY-MM-DD",
// edate the next day ("&" instead of "?" when `source` has a query).
std::string ProductUrl(std::string_view source, std::string_view id,
                       const IssueDate& day);

// The host (and port) of a service address: "127.0.0.1:8080" of
// "http://127.0.0.1:8080/cgi-bin/afos/retrieve.py".
std::string_view ServiceHost(std::string_view source);

// "orvanne-forecast/VERSION": every request names the program.
std::string UserAgent();

#endif  // ORVANNE_FETCH_PRODUCT_QUERY_H_
