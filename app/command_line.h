#ifndef ORVANNE_APP_COMMAND_LINE_H_
#define ORVANNE_APP_COMMAND_LINE_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/fetch_command.h"
#include "app/run_table.h"
#include "app/today_command.h"
#include "assemble/assemble.h"
#include "common/run_frame.h"

// The command line, for scripts: a run started by its arguments instead of
// the menu, which never pauses, clears the screen or asks anything.

// Exit statuses of a command.
inline constexpr int kExitWritten = 0;  // the report was written (or help)
inline constexpr int kExitRefused = 1;  // the run stopped on a problem
inline constexpr int kExitUsage = 2;    // the arguments make no command

// What the arguments ask for.
struct Command {
  std::string name;  // "help", "version", "assemble", "fetch", "today",
                     // or a run's command
  RunRequest request;
  AssembleRequest assemble;
  FetchRequest fetch;
  TodayRequest today;
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
std::string_view UsageText();

#endif  // ORVANNE_APP_COMMAND_LINE_H_
