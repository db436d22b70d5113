#include "app/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/run_commands.h"
#include "tables/model_table.h"
#include "tests/console_texts.h"
#include "tests/temp_dir.h"

namespace {

// The run's request that a run command's arguments make.
RunRequest ParsedRun(const std::vector<std::string>& args) {
  const CommandEntry* entry;
  CommandArguments parsed;
  RunRequest request;
  std::string err;
  EXPECT_TRUE(ParseCommandArguments(args, &entry, &parsed, &err)) << err;
  EXPECT_TRUE(RunRequestOf(parsed, kModelTableCapacity, false, &request, &err))
      << err;
  return request;
}

TEST(CommandLineTest, WhatTheArgumentsAsk) {
  RunRequest c = ParsedRun({"blend", "x.txt", "--ratio", "0.25"});
  EXPECT_EQ(c.units, UnitSystem::kStandard);
  EXPECT_EQ(c.primaryRatio, 0.25);
  EXPECT_EQ(c.bulletinName, "x.txt");
  EXPECT_FALSE(c.plotName);
  c = ParsedRun({"blend", "--plot=p.svg", "--ratio", "1", "x.txt"});
  EXPECT_EQ(c.plotName, "p.svg");
  c = ParsedRun({"table", "--units=metric", "--", "-x.txt"});
  EXPECT_EQ(c.units, UnitSystem::kMetric);
  EXPECT_EQ(c.rows, 48);
  EXPECT_EQ(c.bulletinName, "-x.txt");
  c = ParsedRun({"table", "--rows", "15", "t", "--units", "metric"});
  EXPECT_EQ(c.rows, 15);
  EXPECT_EQ(c.units, UnitSystem::kMetric);
}

TEST(CommandLineTest, UsageProblems) {
  const struct {
    std::vector<std::string> args;
    std::string problem;
  } cases[] = {
      {{"frobnicate"}, "unknown command 'frobnicate'"},
      {{"blend", "x.txt"}, "blend needs the option --ratio"},
      {{"blend", "--ratio", "0.5x", "x.txt"},
       "the ratio must be a decimal number, not '0.5x'"},
      {{"blend", "--ratio", " 0.5", "x.txt"},
       "the ratio must be a decimal number, not ' 0.5'"},
      {{"blend", "--ratio=0.5", "x", "--ratio", "0.6"},
       "option --ratio is given twice"},
      {{"table", "--units", "kelvin", "x"},
       "units must be standard or metric, not 'kelvin'"},
      {{"table", "--rows", "49", "x"},
       "rows must be a whole number from 1 to 48, not '49'"},
      {{"table", "--rows=0", "x"},
       "rows must be a whole number from 1 to 48, not '0'"},
      {{"severe", "--rows", "5", "x"}, "unknown option '--rows' for severe"},
      {{"severe", "-u", "x"}, "unknown option '-u' for severe"},
      {{"table", "--plot", "p.svg", "x"}, "unknown option '--plot' for table"},
      {{"blend", "--ratio=1", "--plot=", "x"},
       "option --plot needs a file name"},
      {{"severe"}, "severe needs the name of a bulletin"},
      {{"severe", "a", "b"}, "severe takes one bulletin, not 2"},
      {{"severe", "a", "--units"}, "option --units needs a value"},
      {{"--version", "x"}, "--version takes no arguments"},
      {{"assemble"}, "assemble needs the names of the product files"},
      {{"assemble", "-o", "a.txt", "--date=12/32/2026", "f"},
       "the date '12/32/2026' does not exist: December 2026 has 31 days"},
      {{"assemble", "--date=2/29/2026", "f"},
       "the date '2/29/2026' does not exist: February 2026 has 28 days"},
      {{"assemble", "--date=13/01/2026", "f"},
       "the date must be month/day/year, not '13/01/2026'"},
      {{"assemble", "-o", "a.txt", "f", "-o", "b.txt"},
       "option -o is given twice"},
      {{"assemble", "--units", "metric", "f"},
       "unknown option '--units' for assemble"},
      {{"assemble", "--primary=gfs", "f"},
       "the primary guidance must be nam or nbm, not 'gfs'"},
  };
  for (const auto& c : cases) {
    std::istringstream in;
    std::ostringstream out, err;
    Console console{in, out, err};
    EXPECT_EQ(RunCommand(c.args, console), ExitStatus::kUsage) << c.problem;
    EXPECT_EQ(err.str(), "orvanne-forecast: " + c.problem +
                             "; see 'orvanne-forecast --help'.\n");
    EXPECT_EQ(out.str(), "");
  }
}

// The menu's session for `typed` with what only the menu prints taken out:
// the menu, the echoed choice, the unit question and the prompts.
std::string MenuRunLines(const TempDir& dir, const std::string& typed,
                         const std::string& choice) {
  std::string printed = RunProgram(dir, typed + " 8\n").printed;
  const std::string start = kMenuText + choice + "\n" + kUnitQuestion;
  EXPECT_TRUE(printed.starts_with(start)) << printed;
  EXPECT_TRUE(printed.ends_with(kMenuText)) << printed;
  printed = printed.substr(start.size(),
                           printed.size() - start.size() - kMenuText.size());
  for (
      const std::string& prompt :
      {kFilePrompt,
       std::string(
           "Please enter in a decimal ratio you would like for the ETA model weight: ")}) {
    const std::size_t at = printed.find(prompt);
    if (at != std::string::npos) printed.erase(at, prompt.size());
  }
  return printed;
}

// Each command writes the report the menu writes for the same answers, and
// prints the menu run's lines less the prompts.
TEST(CommandLineTest, EachCommandDoesWhatItsMenuEntryDoes) {
  const struct {
    std::vector<std::string> args;
    std::string typed, choice, bulletin;
  } cases[] = {
      {{"blend", "--ratio", "0.6", "orvanne_1200.txt"},
       "1 1 orvanne_1200.txt 0.6",
       "1",
       "orvanne_1200"},
      {{"table", "gfs_long.txt", "--units=metric", "--rows", "15"},
       "5 2 gfs_long.txt",
       "5",
       "gfs_long"},
      {{"severe", "--units", "standard", "eta_severe.txt"},
       "6 1 eta_severe.txt",
       "6",
       "eta_severe"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    std::filesystem::copy_file(
        std::string(ORVANNE_SAMPLES) + "/" + c.bulletin + ".txt",
        dir.Path(c.bulletin + ".txt"));
    const std::string expected = MenuRunLines(dir, c.typed, c.choice);
    const std::string menuReport = ReadFile(dir.Path(c.bulletin + ".out"));
    std::filesystem::remove(dir.Path(c.bulletin + ".out"));
    FinishedCommand run = RunWithArguments(dir, c.args);
    EXPECT_EQ(run.status, 0) << c.choice;
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadFile(dir.Path(c.bulletin + ".out")), menuReport);
  }
}

// The sample products hold the four stations' blocks of the sample
// bulletin: assembled, they give the same forecast, byte for byte.
TEST(CommandLineTest, AssembleThenBlendGivesTheSampleBulletinsForecast) {
  TempDir dir;
  const std::string products = std::string(ORVANNE_SAMPLES) + "/products/";
  FinishedCommand assembled = RunWithArguments(
      dir, {"assemble", "--date", "12/8/2026", products + "gfsx_0000.txt",
            products + "nam_1200.txt", "-o", "today.txt",
            products + "gfs_1200.txt"});
  EXPECT_EQ(assembled.status, 0);
  EXPECT_EQ(assembled.out, "");
  EXPECT_EQ(
      Lines(assembled.err)[4],
      "section 5: KBKX GFS 12/08/2026 1200 from " + products + "gfs_1200.txt");
  EXPECT_EQ(Lines(assembled.err).size(), 12u);
  std::filesystem::copy_file(std::string(ORVANNE_SAMPLES) + "/orvanne_1200.txt",
                             dir.Path("sample.txt"));
  for (const char* bulletin : {"today.txt", "sample.txt"})
    EXPECT_EQ(
        RunWithArguments(dir, {"blend", "--ratio", "0.6", bulletin}).status, 0);
  EXPECT_EQ(ReadFile(dir.Path("today.out")), ReadFile(dir.Path("sample.out")));
  // Without the NAM and GFSX products no date is complete: the newest
  // seen is named, then its eight missing sections.
  FinishedCommand none = RunWithArguments(
      dir, {"assemble", "-o", "again.txt", products + "gfs_1200.txt"});
  EXPECT_EQ(none.status, 1);
  ASSERT_EQ(Lines(none.err).size(), 9u) << none.err;
  EXPECT_EQ(
      Lines(none.err)[0],
      "No issue date has all twelve sections; the newest date seen is 12/08/2026.");
  EXPECT_EQ(
      Lines(none.err)[1],
      "No NAM (or ETA) or NBM guidance for KBKX issued 12/08/2026 at 1200 was found.");
  EXPECT_FALSE(FileExists(dir.Path("again.txt")));
}

TEST(CommandLineTest, AProblemGoesToStandardErrorWithStatusOne) {
  TempDir dir;
  WriteFile(dir.Path("table.txt"), "FHR |0| 1\n");
  FinishedCommand missing = RunWithArguments(dir, {"table", "gone.txt"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "Running long-term model.\n");
  EXPECT_EQ(missing.err,
            "You entered a file name wich does not exist in the directory.\n");
  FinishedCommand invalid =
      RunWithArguments(dir, {"blend", "--ratio", "1", "table.txt"});
  EXPECT_EQ(invalid.status, 1);
  EXPECT_EQ(invalid.out, "");
  EXPECT_EQ(invalid.err, "Your input file is invalid.\n");
  FinishedCommand unread = RunWithArguments(dir, {"severe", "table.txt"});
  EXPECT_EQ(unread.status, 1);
  EXPECT_EQ(unread.out,
            "Running ETA Severe Weather Model.\nYou have a valid file.\n");
  EXPECT_EQ(unread.err,
            "The table after \"FHR\" could not be read at row 1 of 29.\n");
  EXPECT_FALSE(FileExists(dir.Path("table.out")));
}

TEST(CommandLineTest, AUsageErrorReadsAndWritesNothing) {
  TempDir dir;
  WriteFile(dir.Path("table.txt"), "FHR |0| 1\n");
  FinishedCommand run =
      RunWithArguments(dir, {"table", "--rows", "100", "table.txt"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(
      run.err,
      "orvanne-forecast: rows must be a whole number from 1 to 48, not '100'; see 'orvanne-forecast --help'.\n");
  EXPECT_FALSE(FileExists(dir.Path("table.out")));
}

TEST(CommandLineTest, HelpAndVersionWordForWord) {
  TempDir dir;
  const std::string help =
      R"(Usage: orvanne-forecast
       orvanne-forecast blend [--units U] --ratio R [--plot FILE.svg] [--record FILE.json] BULLETIN
       orvanne-forecast blend [--units U] --ratio auto [--archive DIR] [--fallback-ratio R]
                              [--bias auto] [--plot FILE.svg] [--record FILE.json] BULLETIN
       orvanne-forecast blend [--units U] --ratio R --bias auto [--archive DIR] [--plot FILE.svg] [--record FILE.json] BULLETIN
       orvanne-forecast table [--units U] [--rows N] BULLETIN
       orvanne-forecast severe [--units U] BULLETIN
       orvanne-forecast assemble [-o OUT] [--date DATE] [--primary P] FILE...
       orvanne-forecast verify [--archive DIR] [--until DATE] [--days N] [--json]
       orvanne-forecast fetch [--date DATE] [--archive DIR] [--source URL]
                              [--timeout SECONDS]
       orvanne-forecast today [fetch's options] [--units U] [--primary P]
                              --ratio R|auto [--fallback-ratio R] [--bias auto]
       orvanne-forecast page [--archive DIR]
       orvanne-forecast --help | -h | help [COMMAND]
       orvanne-forecast COMMAND --help
       orvanne-forecast --version

Turns station guidance bulletins into forecast reports. With no argument
the program shows its menu. A command does what the menu's run does with
the same answers, without asking anything, and writes the report next to
the bulletin, its name's last three characters replaced by "out".

Commands:
  blend     the 1200 Model: the seven-day forecast for the city of Orvanne
            from a bulletin of twelve station tables
  table     one model's hourly table, with the temperature adjustment
  severe    the severe weather table (29 rows)
  assemble  the 1200 Model's bulletin, cut from the guidance products as
            issued (FILE...), written to OUT or to standard output
  verify    how good the guidance (GFS MOS, NBM and GFSX MOS) was at KFSD,
            KHON and KMHE against their daily climate reports in the
            archive: bias and mean absolute error of the maxima and minima
            by lead day, the ratio that follows (the weight of the NBM,
            from days 1 and 2), and the backtest: what following the ratio,
            and removing the biases, would have given each morning
  fetch     the day's 15 products (MAV, MEX and NBS of KBKX, KHON, KMHE and
            KFSD; CLIFSD, CLIHON, CLIMHE) from the product service into the
            archive, DIR/YYYY-MM-DD/ID.txt; one line per product on
            standard error
  today     fetch, then assemble the day's bulletin into
            DIR/YYYY-MM-DD/orvanne_1200.txt, then the 1200 Model on it,
            its picture and record beside the report, then the pages
  page      the archive's pages, DIR/index.html and one a morning,
            rebuilt from the forecasts' records alone

Options:
  --units U   standard (the default) or metric
  --ratio R   the weight of the primary short-range guidance, a decimal
              number from 0 to 1; the secondary guidance gets 1 - R;
              auto: the ratio verify suggests from days 1 and 2 of the 30
              days before the bulletin's issue date (sections 1 to 4 of
              the NBM only)
  --fallback-ratio R
              with --ratio auto: the ratio (0 to 1) taken instead while
              the archive holds fewer than 7 verified days
  --bias auto with --ratio auto or a typed ratio: each guidance's recent
              bias at each station (the mean error of its highs and lows
              by lead day, from the same verification, where it is clear)
              taken off before the weighting
  --plot FILE.svg
              blend also draws the forecast as a picture (an SVG
              meteogram) into FILE.svg, after the report
  --record FILE.json
              blend also writes the forecast's record, every number of the
              report, which the archive's page is built from
  --rows N    the rows of the model table, 1 to 48 (default 48)
  -o OUT      where assemble writes the bulletin
  --date DATE the issue date assemble takes (month/day/year); without it,
              the newest date for which all twelve sections are found.
              For fetch and today: the UTC day (default today's)
  --archive DIR  the archive's folder; without it $ORVANNE_ARCHIVE, else
              $XDG_DATA_HOME/orvanne-forecast/archive, else
              ~/.local/share/orvanne-forecast/archive
  --source URL   another service with the same query interface: the
              http:// or https:// address of its retrieve.py; default
              https://mesonet.agron.iastate.edu/cgi-bin/afos/retrieve.py
  --timeout SECONDS  the longest one request may take, 1 to 3600
              (default 60)
  --primary P nam (the default): the short-range primary guidance is the
              NAM's where it is found, else the blend of models' (NBM),
              translated; nbm: always the blend of models'
  --until DATE
              the last day verify verifies (month/day/year; default
              yesterday, UTC)
  --days N    how many days verify verifies, 7 to 366 (default 30)
  --json      verify prints its figures as one JSON document
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
  75 fetch and today: try again later (the day's products or its 1200
     cycle not out yet, the product service unreachable or failing)
)";
  for (const char* word : {"--help", "-h", "help"}) {
    FinishedCommand run = RunWithArguments(dir, {word});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, help) << word;
    EXPECT_EQ(run.err, "");
  }
  FinishedCommand version = RunWithArguments(dir, {"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "orvanne-forecast 1.4.0\n");
}

}  // namespace
