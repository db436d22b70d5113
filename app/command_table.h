#ifndef ORVANNE_APP_COMMAND_TABLE_H_
#define ORVANNE_APP_COMMAND_TABLE_H_

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/request_parts.h"

// The table of commands: every command the program takes, with its usage
// lines, its options and the function that starts it. Adding a command is
// one entry here and one file with its function.

// Checks what the options cannot check alone (a missing option, the
// operands) and carries the command out. A usage problem returns
// ExitStatus::kUsage with `usage` naming it, before anything is read or
// written; the caller prints it.
using CommandFunction = ExitStatus (*)(const CommandArguments& args,
                                       Console& console, std::string* usage);

struct CommandEntry {
  std::string_view name;
  std::span<const std::string_view> aliases;  // other names, as "-h"
  std::string_view usage;    // its lines under "Usage:"
  std::string_view summary;  // its lines under "Commands:"
  std::span<const std::string_view> options;
  CommandFunction start;
  bool takesArguments = true;  // false: any word after it is refused
};

// The commands in the order --help lists them.
std::span<const CommandEntry> CommandTable();

// The entry named `name` (or by one of its aliases), or nullptr.
const CommandEntry* FindCommandEntry(std::string_view name);

// The text of --help, joined from the tables of commands and options.
std::string UsageText();

// One command's help (`COMMAND --help`, `help COMMAND`): its usage lines,
// what it does, its options' lines and the exit statuses.
std::string CommandHelpText(const CommandEntry& entry);

#endif  // ORVANNE_APP_COMMAND_TABLE_H_
