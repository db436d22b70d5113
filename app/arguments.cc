#include "app/arguments.h"

#include <algorithm>
#include <cstdint>
#include <sstream>

#include "common/console.h"
#include "common/token_reads.h"

bool ParseNumberText(const std::string& text, double* value) {
  if (text.empty() || IsBlank(text[0])) return false;
  std::istringstream in(text);
  return ReadDouble(in, *value) && in.peek() == std::char_traits<char>::eof();
}

bool ParseNumberText(const std::string& text, int* value) {
  if (text.empty() || IsBlank(text[0])) return false;
  std::istringstream in(text);
  std::int32_t read;
  if (!ReadInt(in, read) || in.peek() != std::char_traits<char>::eof())
    return false;
  *value = read;
  return true;
}

namespace {

// Whether `name` may be given now: one of `allowed`, not given before.
bool MayTake(const std::vector<std::string>& args, const std::string& name,
             const std::vector<std::string_view>& allowed,
             const Options& options, std::string* err) {
  if (std::find(allowed.begin(), allowed.end(), name) == allowed.end()) {
    *err = Fill("unknown option '{}' for {}", {name, args[0]});
    return false;
  }
  for (const auto& [given, value] : options) {
    if (given == name) {
      *err = Fill("option {} is given twice", {name});
      return false;
    }
  }
  return true;
}

}  // namespace

bool SplitArguments(const std::vector<std::string>& args,
                    const std::vector<std::string_view>& allowed,
                    const std::vector<std::string_view>& flags,
                    Options* options, std::vector<std::string>* operands,
                    std::string* err) {
  bool optionsEnded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      operands->push_back(arg);
      continue;
    }
    optionsEnded = arg == "--";
    if (optionsEnded) continue;
    const std::size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    if (!MayTake(args, name, allowed, *options, err)) return false;
    const bool flag =
        std::find(flags.begin(), flags.end(), name) != flags.end();
    if (flag && equals != std::string::npos) {
      *err = Fill("option {} takes no value", {name});
      return false;
    }
    if (flag) {
      options->emplace_back(name, "");
    } else if (equals != std::string::npos) {
      options->emplace_back(name, arg.substr(equals + 1));
    } else if (i + 1 < args.size()) {
      options->emplace_back(name, args[++i]);
    } else {
      *err = Fill("option {} needs a value", {name});
      return false;
    }
  }
  return true;
}

bool ParseDateOption(const std::string& value, IssueDate* date,
                     std::string* err) {
  if (ParseIssueDate(value, date)) return true;
  // Written as a date but past its month's end: say which day is missing.
  static constexpr std::string_view kMonths[] = {
      "January", "February", "March",     "April",   "May",      "June",
      "July",    "August",   "September", "October", "November", "December"};
  IssueDate fields;
  if (ReadDateFields(value, &fields) && fields.year >= 1 &&
      fields.month >= 1 && fields.month <= 12 && fields.day >= 1) {
    *err = Fill("the date '{}' does not exist: {} {} has {} days",
                {value, std::string(kMonths[fields.month - 1]),
                 std::to_string(fields.year),
                 std::to_string(DaysInMonth(fields.year, fields.month))});
    return false;
  }
  *err = Fill("the date must be month/day/year, not '{}'", {value});
  return false;
}

bool ParsePrimaryOption(const std::string& value, bool* primaryNbm,
                        std::string* err) {
  if (value != "nam" && value != "nbm") {
    *err = Fill("the primary guidance must be nam or nbm, not '{}'", {value});
    return false;
  }
  *primaryNbm = value == "nbm";
  return true;
}
