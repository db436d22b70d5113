#ifndef ORVANNE_APP_REQUEST_PARTS_H_
#define ORVANNE_APP_REQUEST_PARTS_H_

#include <string>
#include <vector>

#include "app/option_table.h"
#include "common/console.h"
#include "common/exit_status.h"
#include "common/run_frame.h"
#include "fetch/fetch_products.h"

// What a command is given, and the parts of their requests that several
// commands build alike from their options.

// A command's arguments after its name, its options read.
struct CommandArguments {
  std::string name;  // the command as typed
  OptionValues values;
  std::vector<std::string> operands;
};

// For a command that takes no operand: false, with `usage` naming the
// first one, when some were given.
bool TakesNoOperand(const CommandArguments& args, std::string* usage);

// The archive folder of --archive, $ORVANNE_ARCHIVE or the data folder,
// found when the command runs. False, with `usage` saying to name one, when
// none is known.
bool ArchiveOf(const OptionValues& values, std::string* archive,
               std::string* usage);

// The 1200 Model's ratio options into `request`: --ratio (typed or auto),
// --fallback-ratio, which goes only with --ratio auto (false, with `err`
// naming the problem, when it stands without it), and --bias. The archive
// they verify is the caller's to set.
bool TakeRatioOptions(const OptionValues& values, RunRequest* request,
                      std::string* err);

// The fetch that fetch's options ask for (today takes them too), when the
// command runs: without --date today's UTC date, the archive found.
// False, with `err` the usage problem, when no archive folder can be found.
bool FetchRequestOf(const OptionValues& values, FetchRequest* request,
                    std::string* err);

// The exit status after a command printed what it made: kRefused when it
// wrote nothing, or when its lines could not reach standard output (said
// on `err`).
ExitStatus AfterRun(bool written, Console& console);

#endif  // ORVANNE_APP_REQUEST_PARTS_H_
