#ifndef ORVANNE_APP_COMMAND_LINE_H_
#define ORVANNE_APP_COMMAND_LINE_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/fetch_command.h"
#include "app/run_table.h"
#include "app/today_command.h"
#include "app/verify_command.h"
#include "assemble/assemble.h"
#include "common/exit_status.h"
#include "common/run_frame.h"

// The command line, for scripts: a run started by its arguments instead of
// the menu, which never pauses, clears the screen or asks anything.

// What the arguments ask for.
struct Command {
  std::string name;  // "help", "version", "assemble", "verify", "fetch",
                     // "today", or a run's command
  RunRequest request;
  AssembleRequest assemble;
  VerifyRequest verify;
  FetchRequest fetch;
  TodayRequest today;
  // `blend --ratio auto`: the ratio from the verification, with the archive
  // given by --archive (empty: the usual folder).
  bool ratioAuto = false;
  std::string archive;
};

// Sets `request` from one run option's value: --units, --ratio or --rows.
// False, with `err` naming the problem, for a value that is not one.
bool TakeOption(const std::string& name, const std::string& value,
                RunRequest* request, std::string* err);

// Reads the arguments after the program's name (at least one). False, with
// `err` naming the problem, when they make no command.
bool ParseCommand(const std::vector<std::string>& args, RunTable runs,
                  Command* command, std::string* err);

// Parses and carries out the command: help and version on `console.out`,
// a run through its entry in `runs`, assemble through the assembler. A usage
// problem is one line on `console.err`. Returns the exit status.
int RunCommand(const std::vector<std::string>& args, RunTable runs,
               Console& console);

// The usage text of --help.
std::string UsageText();

#endif  // ORVANNE_APP_COMMAND_LINE_H_
