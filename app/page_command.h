#ifndef ORVANNE_APP_PAGE_COMMAND_H_
#define ORVANNE_APP_PAGE_COMMAND_H_

#include <string>

#include "app/command_table.h"

// The page command: `page [--archive DIR]`, the archive's pages rebuilt
// from its records alone, with the verification of the 30 days before the
// latest morning.

// Builds the pages of `archive` (a folder found already): a record that
// cannot be read is named on one line on `console.err` and left out. False,
// its line printed, when a page cannot be written.
bool RebuildPages(const std::string& archive, Console& console);

ExitStatus PageCommand(const CommandArguments& args, Console& console,
                       std::string* usage);

#endif  // ORVANNE_APP_PAGE_COMMAND_H_
