#ifndef ORVANNE_APP_FETCH_COMMAND_H_
#define ORVANNE_APP_FETCH_COMMAND_H_

#include <string>
#include <string_view>
#include <vector>

#include "app/arguments.h"
#include "common/run_frame.h"
#include "fetch/fetch_products.h"

// The fetch command: `fetch [--date DATE] [--archive DIR] [--source URL]
// [--timeout SECONDS]`, the day's products into the archive.

// The options of fetch, which today takes too.
inline const std::vector<std::string_view> kFetchOptions{
    "--date", "--archive", "--source", "--timeout"};

// Sets `request` from the options of kFetchOptions among `options` (others
// are left alone), then finds the archive (--archive, $ORVANNE_ARCHIVE or
// the data folder) and, without --date, takes today's UTC date. False,
// with `err` naming the problem, for a value that is not one.
bool TakeFetchOptions(const Options& options, FetchRequest* request,
                      std::string* err);

// Reads the arguments of fetch (args[0] is "fetch"). False, with `err`
// naming the problem, when they make no fetch.
bool ParseFetchCommand(const std::vector<std::string>& args,
                       FetchRequest* request, std::string* err);

// Fetches; returns the exit status: 0 when all the ids are in the archive
// afterwards, 1 when some are not.
int RunFetchCommand(const FetchRequest& request, Console& console);

#endif  // ORVANNE_APP_FETCH_COMMAND_H_
