#ifndef ORVANNE_APP_COMMAND_LINE_H_
#define ORVANNE_APP_COMMAND_LINE_H_

#include <string>
#include <vector>

#include "app/command_table.h"
#include "common/exit_status.h"
#include "common/run_frame.h"

// The command line, for scripts: a command started by its arguments instead
// of the menu, which never pauses, clears the screen or asks anything.

// Finds the command args[0] names in the table of commands and reads its
// options. False, with `err` naming the problem, for an unknown command, an
// option it does not take, or a value that is not one.
bool ParseCommandArguments(const std::vector<std::string>& args,
                           const CommandEntry** entry, CommandArguments* parsed,
                           std::string* err);

// Parses the arguments after the program's name (at least one) and hands
// them to their command. A usage problem is one line on `console.err` and
// ExitStatus::kUsage.
ExitStatus RunCommand(const std::vector<std::string>& args, Console& console);

#endif  // ORVANNE_APP_COMMAND_LINE_H_
