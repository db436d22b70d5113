#ifndef ORVANNE_APP_PAGE_COMMAND_H_
#define ORVANNE_APP_PAGE_COMMAND_H_

#include <string>

#include "app/request_parts.h"

// The page command: `page [--archive DIR]`, the archive's pages rebuilt
// from its records alone, with the verification of the 30 days before the
// latest morning.
ExitStatus PageCommand(const CommandArguments& args, Console& console,
                       std::string* usage);

#endif  // ORVANNE_APP_PAGE_COMMAND_H_
