#ifndef ORVANNE_APP_RUN_COMMANDS_H_
#define ORVANNE_APP_RUN_COMMANDS_H_

#include <string>

#include "app/request_parts.h"

// The commands that are the menu's runs: `blend` (entry 1), `table` (entry
// 2, or another row count with --rows) and `severe` (entry 6), each on one
// bulletin, the run's lines on standard output.

// The run's request from a run command's arguments; `rows` is the run's own
// row count unless --rows gives another. False, with `err` naming the
// problem, when they make no run (no --ratio where `needsRatio`, --archive
// without --ratio auto, no bulletin or more than one). The archive of
// --ratio auto is left for the command to find.
bool RunRequestOf(const CommandArguments& args, int rows, bool needsRatio,
                  RunRequest* request, std::string* err);

ExitStatus BlendCommand(const CommandArguments& args, Console& console,
                        std::string* usage);
ExitStatus TableCommand(const CommandArguments& args, Console& console,
                        std::string* usage);
ExitStatus SevereCommand(const CommandArguments& args, Console& console,
                         std::string* usage);

#endif  // ORVANNE_APP_RUN_COMMANDS_H_
