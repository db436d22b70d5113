#ifndef ORVANNE_COMMON_MESSAGE_H_
#define ORVANNE_COMMON_MESSAGE_H_

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

// Prints `line` and ends it (newline and flush): every console message is
// one such line.
void PrintLine(std::ostream& out, std::string_view line);

// `text` with each "{}" replaced by the next of `values`, in order, so that
// every message the user can see stands whole in one string literal.
std::string Fill(std::string_view text,
                 std::initializer_list<std::string_view> values);

#endif  // ORVANNE_COMMON_MESSAGE_H_
