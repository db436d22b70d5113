#ifndef ORVANNE_APP_FETCH_COMMAND_H_
#define ORVANNE_APP_FETCH_COMMAND_H_

#include <string>

#include "app/command_table.h"
#include "fetch/fetch_products.h"

// The fetch command: `fetch [--date DATE] [--archive DIR] [--source URL]
// [--timeout SECONDS]`, the day's products into the archive.

// The fetch that fetch's options ask for (today takes them too), when the
// command runs: without --date today's UTC date, the archive found
// (--archive, $ORVANNE_ARCHIVE or the data folder). False, with `err` the
// usage problem, when no archive folder can be found.
bool FetchRequestOf(const OptionValues& values, FetchRequest* request,
                    std::string* err);

// Fetches; ExitStatus::kWritten when all the ids are in the archive
// afterwards, kRefused when some are not.
ExitStatus FetchCommand(const CommandArguments& args, Console& console,
                        std::string* usage);

#endif  // ORVANNE_APP_FETCH_COMMAND_H_
