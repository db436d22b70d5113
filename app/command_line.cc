#include "app/command_line.h"

#include "app/arguments.h"
#include "common/console.h"

namespace {

// `text` with its control characters written as escapes ("\n", "\x1b"), so
// that a value quoted from the arguments keeps the message on one line.
std::string Escaped(std::string_view text) {
  constexpr char kHex[] = "0123456789abcdef";
  std::string escaped;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\n') {
      escaped += "\\n";
    } else if (c == '\t') {
      escaped += "\\t";
    } else if (c == '\r') {
      escaped += "\\r";
    } else if (byte < 0x20 || byte == 0x7f) {
      escaped += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
    } else {
      escaped += c;
    }
  }
  return escaped;
}

// The one line a usage problem is said in.
ExitStatus Usage(Console& console, const std::string& problem) {
  PrintLine(console.err,
            Fill("orvanne-forecast: {}; see 'orvanne-forecast --help'.",
                 {Escaped(problem)}));
  return ExitStatus::kUsage;
}

// Whether a command's words ask for its help (`--help` or `-h` before any
// `--`), whatever else they hold.
bool AsksForHelp(const std::vector<std::string>& args) {
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--") return false;
    if (args[i] == "--help" || args[i] == "-h") return true;
  }
  return false;
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
  return SplitArguments(args, allowed, FlagOptions(), &options,
                        &parsed->operands, err) &&
         ParseOptionValues(options, &parsed->values, err);
}

ExitStatus RunCommand(const std::vector<std::string>& args, Console& console) {
  const CommandEntry* entry = FindCommandEntry(args[0]);
  if (entry && !entry->options.empty() && AsksForHelp(args)) {
    CommandArguments help{"help", {}, {std::string(entry->name)}};
    std::string unused;
    return FindCommandEntry("help")->start(help, console, &unused);
  }
  CommandArguments parsed;
  std::string problem;
  if (!ParseCommandArguments(args, &entry, &parsed, &problem))
    return Usage(console, problem);
  const ExitStatus status = entry->start(parsed, console, &problem);
  if (status == ExitStatus::kUsage) return Usage(console, problem);
  return status;
}
