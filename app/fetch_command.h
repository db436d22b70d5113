#ifndef ORVANNE_APP_FETCH_COMMAND_H_
#define ORVANNE_APP_FETCH_COMMAND_H_

#include <string>

#include "app/request_parts.h"

// The fetch command: `fetch [--date DATE] [--archive DIR] [--source URL]
// [--timeout SECONDS]`, the day's products into the archive.
// ExitStatus::kWritten when all the ids are in the archive afterwards,
// kTryLater when every missing one may come later, kRefused otherwise.
ExitStatus FetchCommand(const CommandArguments& args, Console& console,
                        std::string* usage);

#endif  // ORVANNE_APP_FETCH_COMMAND_H_
