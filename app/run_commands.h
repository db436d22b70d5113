#ifndef ORVANNE_APP_RUN_COMMANDS_H_
#define ORVANNE_APP_RUN_COMMANDS_H_

#include <string>

#include "app/command_table.h"

// The commands that are the menu's runs: `blend` (entry 1), `table` (entry
// 2, or another row count with --rows) and `severe` (entry 6), each on one
// bulletin, the run's lines on standard output.

// The run's request from a run command's arguments; `rows` is the run's own
// row count unless --rows gives another. False, with `err` naming the
// problem, when they make no run (no --ratio where `needsRatio`, --archive
// without --ratio auto, no bulletin or more than one).
bool RunRequestOf(const CommandArguments& args, int rows, bool needsRatio,
                  RunRequest* request, std::string* err);

// --ratio and the options that go only with --ratio auto (--archive,
// --fallback-ratio, --bias) into `request`. False, with `err` naming the
// problem, when one of those is given without --ratio auto.
bool TakeRatioOptions(const OptionValues& values, RunRequest* request,
                      std::string* err);

ExitStatus BlendCommand(const CommandArguments& args, Console& console,
                        std::string* usage);
ExitStatus TableCommand(const CommandArguments& args, Console& console,
                        std::string* usage);
ExitStatus SevereCommand(const CommandArguments& args, Console& console,
                         std::string* usage);

// The exit status after a run: ExitStatus::kRefused when it wrote nothing
// or when its lines could not reach standard output (said on `err`).
ExitStatus AfterRun(bool written, Console& console);

#endif  // ORVANNE_APP_RUN_COMMANDS_H_
