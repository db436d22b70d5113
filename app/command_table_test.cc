#include "app/command_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "app/command_line.h"
#include "tables/model_table.h"
#include "tables/severe_weather.h"
#include "verify/period_scores.h"

namespace {

std::string ManualPage() {
  std::ifstream in(ORVANNE_TESTS "/../doc/orvanne-forecast.1.in");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

const OptionEntry* Option(std::string_view name) {
  for (const OptionEntry& option : OptionTable())
    if (option.name == name) return &option;
  return nullptr;
}

// Every option a command declares is in the table, in the command's own
// help and in the manual page; its usage lines name no other option.
TEST(CommandTableTest, EveryDeclaredOptionIsDescribedAndNoOtherIsNamed) {
  const std::string manual = ManualPage();
  ASSERT_FALSE(manual.empty());
  const std::regex optionWord(R"((^|[\s\[|])(--?[a-z][a-z-]*))");
  for (const CommandEntry& entry : CommandTable()) {
    const std::string help = CommandHelpText(entry);
    for (std::string_view name : entry.options) {
      const OptionEntry* option = Option(name);
      ASSERT_NE(option, nullptr) << entry.name << " " << name;
      EXPECT_NE(help.find(option->help), std::string::npos) << name;
      std::string escaped;
      for (char c : name) escaped += c == '-' ? "\\-" : std::string(1, c);
      EXPECT_TRUE(std::regex_search(
          manual, std::regex("\n\\.BI? " + std::regex_replace(
                                               escaped, std::regex(R"(\\)"),
                                               R"(\\)") +
                             "[ \n]")))
          << "manual page lacks " << name;
    }
    const std::string usage(entry.usage);
    for (std::sregex_iterator word(usage.begin(), usage.end(), optionWord), end;
         word != end; ++word) {
      const std::string name = (*word)[2];
      const bool declared = std::find(entry.options.begin(),
                                      entry.options.end(),
                                      name) != entry.options.end();
      const bool own = name == "--help" || name == "-h" ||
                       name == "--version" || name == "-" + std::string();
      EXPECT_TRUE(declared || own) << entry.name << " names " << name;
    }
  }
}

// The limits the help writes are the ones the parsers keep: the value at
// each limit is taken, one past it refused with the same limits named.
TEST(CommandTableTest, LimitsInTheTextAreTheParsersOwn) {
  const struct {
    std::string_view option;
    int least, most;
  } limits[] = {{"--rows", 1, kModelTableCapacity},
                {"--days", kLeastVerifiedDays, kMostVerifiedDays},
                {"--timeout", 1, kMaxTimeoutSeconds}};
  for (const auto& limit : limits) {
    const std::string range =
        std::to_string(limit.least) + " to " + std::to_string(limit.most);
    EXPECT_NE(Option(limit.option)->help.find(range), std::string::npos)
        << limit.option;
    OptionValues values;
    std::string err;
    EXPECT_TRUE(Option(limit.option)
                    ->parse(std::to_string(limit.most), &values, &err));
    EXPECT_FALSE(Option(limit.option)
                     ->parse(std::to_string(limit.most + 1), &values, &err));
    EXPECT_NE(err.find(std::to_string(limit.least) + " to " +
                       std::to_string(limit.most)),
              std::string::npos)
        << err;
    EXPECT_FALSE(Option(limit.option)
                     ->parse(std::to_string(limit.least - 1), &values, &err));
  }
  EXPECT_NE(FindCommandEntry("severe")->summary.find(
                "(" + std::to_string(kSevereRows) + " rows)"),
            std::string::npos);
}

// A typed ratio weighs two guidance values, so it lies in 0 to 1; the
// menu's question keeps its own rule.
TEST(CommandTableTest, RatiosInZeroToOne) {
  const struct {
    std::string_view option;
    std::string value;
    std::string problem;  // empty: taken
  } cases[] = {
      {"--ratio", "0", ""},
      {"--ratio", "1", ""},
      {"--ratio", "0.6", ""},
      {"--ratio", "auto", ""},
      {"--ratio", "6", "option --ratio must lie between 0 and 1, not '6'"},
      {"--ratio", "1.0001",
       "option --ratio must lie between 0 and 1, not '1.0001'"},
      {"--ratio", "-0.5", "option --ratio must lie between 0 and 1, not '-0.5'"},
      {"--ratio", "1e308",
       "option --ratio must lie between 0 and 1, not '1e308'"},
      {"--ratio", "nan", "the ratio must be a decimal number, not 'nan'"},
      {"--fallback-ratio", "0.45", ""},
      {"--fallback-ratio", "1.5",
       "option --fallback-ratio must lie between 0 and 1, not '1.5'"},
  };
  for (const auto& c : cases) {
    OptionValues values;
    std::string err;
    EXPECT_EQ(Option(c.option)->parse(c.value, &values, &err),
              c.problem.empty())
        << c.option << " " << c.value;
    if (!c.problem.empty()) {
      EXPECT_EQ(err, c.problem);
    }
  }
}

// `COMMAND --help` and `help COMMAND` give that command's own text.
TEST(CommandTableTest, HelpForEachCommand) {
  for (const CommandEntry& entry : CommandTable()) {
    if (entry.options.empty()) continue;
    const std::string expected = CommandHelpText(entry);
    EXPECT_NE(expected.find(entry.usage), std::string::npos);
    EXPECT_NE(expected.find(entry.summary), std::string::npos);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{std::string(entry.name), "--help"},
          std::vector<std::string>{std::string(entry.name), "x", "-h"},
          std::vector<std::string>{"help", std::string(entry.name)}}) {
      std::istringstream in;
      std::ostringstream out, err;
      Console console{in, out, err};
      EXPECT_EQ(RunCommand(args, console), ExitStatus::kWritten);
      EXPECT_EQ(out.str(), expected) << args[0] << " " << args[1];
      EXPECT_EQ(err.str(), "");
    }
  }
  std::istringstream in;
  std::ostringstream out, err;
  Console console{in, out, err};
  EXPECT_EQ(RunCommand({"help", "forecast"}, console), ExitStatus::kUsage);
  EXPECT_EQ(err.str(),
            "orvanne-forecast: help knows no command 'forecast'; see 'orvanne-forecast --help'.\n");
}

}  // namespace
