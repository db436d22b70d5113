#include "app/command_table.h"

#include <algorithm>

#include "app/assemble_command.h"
#include "app/fetch_command.h"
#include "app/page_command.h"
#include "app/run_commands.h"
#include "app/today_command.h"
#include "app/verify_command.h"
#include "common/console.h"

namespace {

constexpr std::string_view kHelpAliases[] = {"--help", "-h"};

constexpr std::string_view kBlendOptions[] = {
    "--units", "--ratio", "--plot", "--archive", "--fallback-ratio", "--bias",
    "--record"};
constexpr std::string_view kTableOptions[] = {"--units", "--rows"};
constexpr std::string_view kSevereOptions[] = {"--units"};
constexpr std::string_view kAssembleOptions[] = {"-o", "--date", "--primary"};
constexpr std::string_view kVerifyOptions[] = {"--archive", "--until",
                                               "--days", "--json"};
constexpr std::string_view kPageOptions[] = {"--archive"};
constexpr std::string_view kFetchOptions[] = {"--date", "--archive",
                                              "--source", "--timeout"};
constexpr std::string_view kTodayOptions[] = {
    "--date",  "--archive", "--source", "--timeout",
    "--units", "--primary", "--ratio", "--fallback-ratio", "--bias"};

// The exit status after help, the version or a run printed: a text that did
// not reach standard output (a full disk) is a failure, said on `err`.
ExitStatus ShownOnOutput(Console& console, std::string_view failure) {
  if (console.out.flush()) return ExitStatus::kWritten;
  PrintLine(console.err, failure);
  return ExitStatus::kRefused;
}

// `help`, or `help COMMAND` for that command's own text.
ExitStatus HelpCommand(const CommandArguments& args, Console& console,
                       std::string* usage) {
  if (args.operands.size() > 1) {
    *usage = Fill("help takes one command, not {}",
                  {std::to_string(args.operands.size())});
    return ExitStatus::kUsage;
  }
  const CommandEntry* entry =
      args.operands.empty() ? nullptr : FindCommandEntry(args.operands[0]);
  if (!args.operands.empty() && (!entry || entry->options.empty())) {
    *usage = Fill("help knows no command '{}'", {args.operands[0]});
    return ExitStatus::kUsage;
  }
  console.out << (entry ? CommandHelpText(*entry) : UsageText()) << std::flush;
  return ShownOnOutput(console,
                       "The help could not be written to standard output.");
}

ExitStatus VersionCommand(const CommandArguments&, Console& console,
                          std::string*) {
  PrintLine(console.out, "orvanne-forecast " ORVANNE_VERSION);
  return ShownOnOutput(console,
                       "The version could not be written to standard output.");
}

constexpr CommandEntry kCommands[] = {
    {"blend", {},
     R"(       orvanne-forecast blend [--units U] --ratio R [--plot FILE.svg] [--record FILE.json] BULLETIN
       orvanne-forecast blend [--units U] --ratio auto [--archive DIR] [--fallback-ratio R]
                              [--bias auto] [--plot FILE.svg] [--record FILE.json] BULLETIN
       orvanne-forecast blend [--units U] --ratio R --bias auto [--archive DIR] [--plot FILE.svg] [--record FILE.json] BULLETIN
)",
     R"(  blend     the 1200 Model: the seven-day forecast for the city of Orvanne
            from a bulletin of twelve station tables
)",
     kBlendOptions, BlendCommand},
    {"table", {},
     "       orvanne-forecast table [--units U] [--rows N] BULLETIN\n",
     "  table     one model's hourly table, with the temperature adjustment\n",
     kTableOptions, TableCommand},
    {"severe", {}, "       orvanne-forecast severe [--units U] BULLETIN\n",
     "  severe    the severe weather table (29 rows)\n", kSevereOptions,
     SevereCommand},
    {"assemble", {},
     "       orvanne-forecast assemble [-o OUT] [--date DATE] [--primary P] FILE...\n",
     R"(  assemble  the 1200 Model's bulletin, cut from the guidance products as
            issued (FILE...), written to OUT or to standard output
)",
     kAssembleOptions, AssembleCommand},
    {"verify", {},
     "       orvanne-forecast verify [--archive DIR] [--until DATE] [--days N] [--json]\n",
     R"(  verify    how good the guidance (GFS MOS, NBM and GFSX MOS) was at KFSD,
            KHON and KMHE against their daily climate reports in the
            archive: bias and mean absolute error of the maxima and minima
            by lead day, the ratio that follows (the weight of the NBM,
            from days 1 and 2), and the backtest: what following the ratio,
            and removing the biases, would have given each morning
)",
     kVerifyOptions, VerifyCommand},
    {"fetch", {},
     R"(       orvanne-forecast fetch [--date DATE] [--archive DIR] [--source URL]
                              [--timeout SECONDS]
)",
     R"(  fetch     the day's 15 products (MAV, MEX and NBS of KBKX, KHON, KMHE and
            KFSD; CLIFSD, CLIHON, CLIMHE) from the product service into the
            archive, DIR/YYYY-MM-DD/ID.txt; one line per product on
            standard error
)",
     kFetchOptions, FetchCommand},
    {"today", {},
     R"(       orvanne-forecast today [fetch's options] [--units U] [--primary P]
                              --ratio R|auto [--fallback-ratio R] [--bias auto]
)",
     R"(  today     fetch, then assemble the day's bulletin into
            DIR/YYYY-MM-DD/orvanne_1200.txt, then the 1200 Model on it,
            its picture and record beside the report, then the pages
)",
     kTodayOptions, TodayCommand},
    {"page", {}, "       orvanne-forecast page [--archive DIR]\n",
     R"(  page      the archive's pages, DIR/index.html and one a morning,
            rebuilt from the forecasts' records alone
)",
     kPageOptions, PageCommand},
    {"help", kHelpAliases,
     "       orvanne-forecast --help | -h | help [COMMAND]\n"
     "       orvanne-forecast COMMAND --help\n",
     "", {}, HelpCommand},
    {"--version", {}, "       orvanne-forecast --version\n", "", {},
     VersionCommand, false},
};

constexpr std::string_view kIntroduction = R"(
Turns station guidance bulletins into forecast reports. With no argument
the program shows its menu. A command does what the menu's run does with
the same answers, without asking anything, and writes the report next to
the bulletin, its name's last three characters replaced by "out".

)";

constexpr std::string_view kExitStatuses = R"(
Exit status:
  0  the report was written (and the picture, with --plot; verify: the
     table was printed; fetch: all 15 products are in the archive)
  1  the run stopped on a problem of the bulletin, the report file or the
     picture (verify and --ratio auto: fewer than 7 days could be verified;
     fetch: some products are not in the archive; today: a product the
     bulletin needs is missing, or the assembler or the run refused)
  2  the arguments make no command
  75 fetch and today: try again later (the day's products or its 1200
     cycle not out yet, the product service unreachable or failing)
)";

}  // namespace

std::span<const CommandEntry> CommandTable() { return kCommands; }

const CommandEntry* FindCommandEntry(std::string_view name) {
  for (const CommandEntry& entry : kCommands) {
    if (entry.name == name) return &entry;
    for (std::string_view alias : entry.aliases)
      if (alias == name) return &entry;
  }
  return nullptr;
}

std::string UsageText() {
  std::string text = "Usage: orvanne-forecast\n";
  for (const CommandEntry& entry : kCommands) text += entry.usage;
  text += kIntroduction;
  text += "Commands:\n";
  for (const CommandEntry& entry : kCommands) text += entry.summary;
  text += "\nOptions:\n";
  for (const OptionEntry& option : OptionTable()) text += option.help;
  text += kExitStatuses;
  return text;
}

std::string CommandHelpText(const CommandEntry& entry) {
  std::string text = "Usage: orvanne-forecast\n";
  text += entry.usage;
  text += "\n";
  text += entry.summary;
  text += "\nOptions:\n";
  for (const OptionEntry& option : OptionTable()) {
    const bool declared =
        std::find(entry.options.begin(), entry.options.end(), option.name) !=
        entry.options.end();
    if (declared || option.name == "-h") text += option.help;
  }
  text += kExitStatuses;
  return text;
}
