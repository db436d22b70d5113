#include "app/command_line.h"

#include <algorithm>
#include <cstdint>
#include <sstream>

#include "app/arguments.h"
#include "app/auto_ratio.h"
#include "common/console.h"
#include "common/token_reads.h"
#include "products/issue_date.h"
#include "tables/model_table.h"
#include "tables/severe_weather.h"

namespace {

// The text of --help; UsageText fills in the row counts.
constexpr std::string_view kUsage = R"(Usage: orvanne-forecast
       orvanne-forecast blend [--units U] --ratio R [--plot FILE.svg] BULLETIN
       orvanne-forecast blend [--units U] --ratio auto [--archive DIR] [--plot FILE.svg] BULLETIN
       orvanne-forecast table [--units U] [--rows N] BULLETIN
       orvanne-forecast severe [--units U] BULLETIN
       orvanne-forecast assemble [-o OUT] [--date DATE] [--primary P] FILE...
       orvanne-forecast verify [--archive DIR] [--until DATE] [--days N]
       orvanne-forecast fetch [--date DATE] [--archive DIR] [--source URL]
                              [--timeout SECONDS]
       orvanne-forecast today [fetch's options] [--units U] [--primary P]
                              --ratio R
       orvanne-forecast --help | -h | help
       orvanne-forecast --version

Turns station guidance bulletins into forecast reports. With no argument
the program shows its menu. A command does what the menu's run does with
the same answers, without asking anything, and writes the report next to
the bulletin, its name's last three characters replaced by "out".

Commands:
  blend     the 1200 Model: the seven-day forecast for the city of Orvanne
            from a bulletin of twelve station tables
  table     one model's hourly table, with the temperature adjustment
  severe    the severe weather table ({} rows)
  assemble  the 1200 Model's bulletin, cut from the guidance products as
            issued (FILE...), written to OUT or to standard output
  verify    how good the 1200 UTC guidance (GFS MOS and NBM) was at KFSD,
            KHON and KMHE against their daily climate reports in the
            archive: bias and mean absolute error of the maxima and minima,
            and the ratio that follows (the weight of the NBM)
  fetch     the day's 15 products (MAV, MEX and NBS of KBKX, KHON, KMHE and
            KFSD; CLIFSD, CLIHON, CLIMHE) from the product service into the
            archive, DIR/YYYY-MM-DD/ID.txt; one line per product on
            standard error
  today     fetch, then assemble the day's bulletin into
            DIR/YYYY-MM-DD/orvanne_1200.txt, then the 1200 Model on it

Options:
  --units U   standard (the default) or metric
  --ratio R   the weight of the primary short-range guidance, a decimal
              number; the secondary guidance gets 1 - R; auto: the ratio
              verify suggests for the 30 days before the bulletin's issue
              date (sections 1 to 4 of the NBM only)
  --plot FILE.svg
              blend also draws the forecast as a picture (an SVG
              meteogram) into FILE.svg, after the report
  --rows N    the rows of the model table, 1 to {} (default {})
  -o OUT      where assemble writes the bulletin
  --date DATE the issue date assemble takes (month/day/year); without it,
              the newest date for which all twelve sections are found.
              For fetch and today: the UTC day (default today's)
  --archive DIR  the archive's folder; without it $ORVANNE_ARCHIVE, else
              $XDG_DATA_HOME/orvanne-forecast/archive, else
              ~/.local/share/orvanne-forecast/archive
  --source URL   another service with the same query interface (http://
              or https://); default the Iowa Environmental Mesonet's
  --timeout SECONDS  the longest one request may take, 1 to 3600
              (default 60)
  --primary P nam (the default): the short-range primary guidance is the
              NAM's where it is found, else the blend of models' (NBM),
              translated; nbm: always the blend of models'
  --archive DIR
              the archive of fetched products (default $ORVANNE_ARCHIVE, else
              the data folder's orvanne-forecast/archive)
  --until DATE
              the last day verify verifies (month/day/year; default
              yesterday, UTC)
  --days N    how many days verify verifies, 1 to 366 (default 30)
  --          ends the options; options may stand before or after the
              bulletin's name
  -h, --help  show this text and exit
  --version   show the version and exit

Exit status:
  0  the report was written (and the picture, with --plot; verify: the
     table was printed; fetch: all 15 products are in the archive)
  1  the run stopped on a problem of the bulletin, the report file or the
     picture (verify and --ratio auto: fewer than 7 days could be verified;
     fetch: some products are not in the archive; today: a product the
     bulletin needs is missing, or the assembler or the run refused)
  2  the arguments make no command
)";

// The options each command takes; every one takes a value.
std::vector<std::string_view> OptionsOf(std::string_view command) {
  if (command == "blend") return {"--units", "--ratio", "--plot", "--archive"};
  if (command == "verify") return kVerifyOptions;
  if (command == "table") return {"--units", "--rows"};
  if (command == "assemble") return {"-o", "--date", "--primary"};
  return {"--units"};
}

// The assemble command's request from its options and files.
bool ParseAssemble(const Options& options,
                   const std::vector<std::string>& operands,
                   AssembleRequest* request, std::string* err) {
  for (const auto& [name, value] : options) {
    if (name == "-o") {
      if (value.empty()) {
        *err = "option -o needs a file name";
        return false;
      }
      request->output = value;
    } else if (name == "--date") {
      IssueDate date;
      if (!ParseDateOption(value, &date, err)) return false;
      request->date = value;
    } else if (name == "--primary") {
      if (!ParsePrimaryOption(value, &request->primaryNbm, err)) return false;
    }
  }
  if (operands.empty()) {
    *err = "assemble needs the names of the product files";
    return false;
  }
  request->files = operands;
  return true;
}

}  // namespace

bool TakeOption(const std::string& name, const std::string& value,
                RunRequest* request, std::string* err) {
  if (name == "--units") {
    if (value == "standard") {
      request->units = UnitSystem::kStandard;
    } else if (value == "metric") {
      request->units = UnitSystem::kMetric;
    } else {
      *err = Fill("units must be standard or metric, not '{}'", {value});
      return false;
    }
  } else if (name == "--ratio") {
    double ratio;
    if (!ParseWhole(value, &ratio)) {
      *err = Fill("the ratio must be a decimal number, not '{}'", {value});
      return false;
    }
    request->primaryRatio = ratio;
  } else if (name == "--plot") {
    if (value.empty()) {
      *err = "option --plot needs a file name";
      return false;
    }
    request->plotName = value;
  } else if (name == "--rows") {
    if (!ParseWhole(value, &request->rows) || request->rows < 1 ||
        request->rows > kModelTableCapacity) {
      *err = Fill("rows must be a whole number from 1 to {}, not '{}'",
                  {std::to_string(kModelTableCapacity), value});
      return false;
    }
  }
  return true;
}

namespace {

// The exit status after help, the version or a run printed: a text that did
// not reach standard output (a full disk) is a failure, said on `err`.
int ShownOnOutput(Console& console, std::string_view failure) {
  if (console.out.flush()) return kExitWritten;
  PrintLine(console.err, failure);
  return kExitRefused;
}

// A run's options into the command; `--ratio auto` and `--archive` go
// together.
bool TakeRunOptions(const Options& options, Command* command,
                    std::string* err) {
  bool archiveGiven = false;
  for (const auto& [option, value] : options) {
    if (option == "--archive") {
      archiveGiven = true;
      command->archive = value;
    } else if (option == "--ratio" && value == "auto") {
      command->ratioAuto = true;
    } else if (!TakeOption(option, value, &command->request, err)) {
      return false;
    }
  }
  if (archiveGiven && !command->ratioAuto) {
    *err = "the option --archive goes with --ratio auto";
    return false;
  }
  return true;
}

// A run's command from its options and its one bulletin.
bool ParseRun(const RunEntry& entry, const Options& options,
              const std::vector<std::string>& operands, Command* command,
              std::string* err) {
  command->request.rows = entry.rows;
  if (!TakeRunOptions(options, command, err)) return false;
  if (entry.command == "blend" && !command->request.primaryRatio &&
      !command->ratioAuto) {
    *err = "blend needs the option --ratio";
    return false;
  }
  if (operands.empty()) {
    *err = Fill("{} needs the name of a bulletin", {entry.command});
    return false;
  }
  if (operands.size() > 1) {
    *err = Fill("{} takes one bulletin, not {}",
                {entry.command, std::to_string(operands.size())});
    return false;
  }
  command->request.bulletinName = operands[0];
  return true;
}

}  // namespace

std::string UsageText() {
  const std::string capacity = std::to_string(kModelTableCapacity);
  return Fill(kUsage, {std::to_string(kSevereRows), capacity, capacity});
}

bool ParseCommand(const std::vector<std::string>& args, RunTable runs,
                  Command* command, std::string* err) {
  const std::string& name = args[0];
  if (name == "--help" || name == "-h" || name == "help" ||
      name == "--version") {
    if (args.size() > 1) {
      *err = Fill("{} takes no arguments", {name});
      return false;
    }
    command->name = name == "--version" ? "version" : "help";
    return true;
  }
  if (name == "fetch" || name == "today") {
    command->name = name;
    return name == "fetch" ? ParseFetchCommand(args, &command->fetch, err)
                           : ParseTodayCommand(args, &command->today, err);
  }
  const RunEntry* entry = FindCommand(runs, name);
  if (!entry && name != "assemble" && name != "verify") {
    *err = Fill("unknown command '{}'", {name});
    return false;
  }
  command->name = name;
  Options options;
  std::vector<std::string> operands;
  if (!SplitArguments(args, OptionsOf(name), &options, &operands, err))
    return false;
  if (name == "verify")
    return ParseVerify(options, operands, &command->verify, err);
  if (!entry) return ParseAssemble(options, operands, &command->assemble, err);
  return ParseRun(*entry, options, operands, command, err);
}

int RunCommand(const std::vector<std::string>& args, RunTable runs,
               Console& console) {
  Command command;
  std::string err;
  if (!ParseCommand(args, runs, &command, &err)) {
    PrintLine(
        console.err,
        Fill("orvanne-forecast: {}; see 'orvanne-forecast --help'.", {err}));
    return kExitUsage;
  }
  if (command.name == "help") {
    console.out << UsageText() << std::flush;
    return ShownOnOutput(console,
                         "The help could not be written to standard output.");
  }
  if (command.name == "version") {
    PrintLine(console.out, "orvanne-forecast " ORVANNE_VERSION);
    return ShownOnOutput(
        console, "The version could not be written to standard output.");
  }
  if (command.name == "assemble") return RunAssemble(command.assemble, console);
  if (command.name == "verify")
    return RunVerify(command.verify, console.out, console.err);
  if (command.name == "fetch") return RunFetchCommand(command.fetch, console);
  if (command.name == "today") return RunTodayCommand(command.today, console);
  const RunEntry* entry = FindCommand(runs, command.name);
  const bool written = command.ratioAuto
                           ? RunWithAutoRatio(entry->run, command.request,
                                              command.archive, console)
                           : entry->run(console, command.request);
  if (!written) return kExitRefused;
  return ShownOnOutput(
      console, "The run's lines could not be written to standard output.");
}
