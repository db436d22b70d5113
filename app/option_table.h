#ifndef ORVANNE_APP_OPTION_TABLE_H_
#define ORVANNE_APP_OPTION_TABLE_H_

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/arguments.h"
#include "common/units.h"
#include "products/issue_date.h"

// Every option of the command line, parsed in one place: each option's
// value is read once, by its own entry, whichever command takes it.

// The limits the options' values keep, as their --help lines write them.
inline constexpr int kMaxTimeoutSeconds = 3600;
// A year and a day: more is no recent verification.
inline constexpr int kMostVerifiedDays = 366;

// --ratio: a number, or `auto` (the ratio from verification).
struct RatioOption {
  bool automatic = false;
  double value = 0;
};

// The values of the options given, each read from its text; a command takes
// those it needs.
struct OptionValues {
  std::optional<UnitSystem> units;    // --units
  std::optional<RatioOption> ratio;   // --ratio
  std::optional<std::string> plot;    // --plot
  std::optional<int> rows;            // --rows
  std::optional<std::string> output;  // -o
  std::optional<IssueDate> date;      // --date
  std::optional<std::string> archive;  // --archive, as given
  std::optional<std::string> source;   // --source
  std::optional<int> timeout;          // --timeout, seconds
  std::optional<bool> primaryNbm;      // --primary
  std::optional<IssueDate> until;      // --until
  std::optional<int> days;             // --days
  std::optional<double> fallbackRatio;  // --fallback-ratio
  bool biasAuto = false;                // --bias auto
  std::optional<std::string> record;   // --record
  bool json = false;                    // --json
};

// One option: its name, its lines under "Options:" in --help, and how its
// value is read into OptionValues (none for the lines that describe no
// command's option: "--", "-h, --help", "--version").
struct OptionEntry {
  std::string_view name;
  std::string_view help;
  bool (*parse)(const std::string& value, OptionValues* values,
                std::string* err) = nullptr;
  bool flag = false;  // takes no value; `parse` is given ""
};

// The options in the order --help lists them.
std::span<const OptionEntry> OptionTable();

// The options of the table that take no value.
std::vector<std::string_view> FlagOptions();

// Reads each of `options` through its entry. False, with `err` naming the
// problem, for a value that is not one.
bool ParseOptionValues(const Options& options, OptionValues* values,
                       std::string* err);

#endif  // ORVANNE_APP_OPTION_TABLE_H_
