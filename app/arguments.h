#ifndef ORVANNE_APP_ARGUMENTS_H_
#define ORVANNE_APP_ARGUMENTS_H_

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "products/issue_date.h"

// The command line's words after the command: options and operands.

// Options as given, name and value, in the order given.
using Options = std::vector<std::pair<std::string, std::string>>;

// Splits `args` (args[0] is the command) into options and operands. Every
// option in `allowed` takes a value, as "--name value" or "--name=value",
// but those in `flags`, which take none (their value is empty); "--" ends
// the options. False, with `err` naming the problem, for an option not in
// `allowed`, one given twice, one without its value or a flag with one.
bool SplitArguments(const std::vector<std::string>& args,
                    const std::vector<std::string_view>& allowed,
                    const std::vector<std::string_view>& flags,
                    Options* options, std::vector<std::string>* operands,
                    std::string* err);

// All of `text` as one number, read as the ratio question reads it;
// nothing may stand before or after it, blanks included.
bool ParseNumberText(const std::string& text, double* value);
bool ParseNumberText(const std::string& text, int* value);

// A DATE option's value, month/day/year as the guidance headers write it.
bool ParseDateOption(const std::string& value, IssueDate* date,
                     std::string* err);

// A --primary option's value: nam (false) or nbm (true).
bool ParsePrimaryOption(const std::string& value, bool* primaryNbm,
                        std::string* err);

#endif  // ORVANNE_APP_ARGUMENTS_H_
