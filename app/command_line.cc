#include "app/command_line.h"

#include "app/arguments.h"
#include "common/console.h"

namespace {

// The one line a usage problem is said in.
ExitStatus Usage(Console& console, const std::string& problem) {
  PrintLine(console.err,
            Fill("orvanne-forecast: {}; see 'orvanne-forecast --help'.",
                 {problem}));
  return ExitStatus::kUsage;
}

}  // namespace

bool ParseCommandArguments(const std::vector<std::string>& args,
                           const CommandEntry** entry, CommandArguments* parsed,
                           std::string* err) {
  *entry = FindCommandEntry(args[0]);
  if (!*entry) {
    *err = Fill("unknown command '{}'", {args[0]});
    return false;
  }
  parsed->name = args[0];
  if (!(*entry)->takesArguments && args.size() > 1) {
    *err = Fill("{} takes no arguments", {args[0]});
    return false;
  }
  Options options;
  const std::vector<std::string_view> allowed((*entry)->options.begin(),
                                              (*entry)->options.end());
  return SplitArguments(args, allowed, &options, &parsed->operands, err) &&
         ParseOptionValues(options, &parsed->values, err);
}

ExitStatus RunCommand(const std::vector<std::string>& args, Console& console) {
  const CommandEntry* entry;
  CommandArguments parsed;
  std::string problem;
  if (!ParseCommandArguments(args, &entry, &parsed, &problem))
    return Usage(console, problem);
  const ExitStatus status = entry->start(parsed, console, &problem);
  if (status == ExitStatus::kUsage) return Usage(console, problem);
  return status;
}
