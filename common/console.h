#ifndef ORVANNE_COMMON_CONSOLE_H_
#define ORVANNE_COMMON_CONSOLE_H_

#include <initializer_list>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

// The messages are filled by Fill.
#include "common/text.h"

// The console a run or a command talks to. A line that reports a failure
// goes to `err`; in the menu `err` is `out`.
struct Console {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

// Console answers are read token by token from one shared stream, so what
// the user typed ahead on a line answers the next question. Each read skips
// leading white space and takes one token, leaving the rest of the line.

// True once the console input has ended: every read after that fails, and
// the program stops.
bool ConsoleEnded(const std::istream& in);

// One whitespace-delimited word. False only when the input has ended.
bool ReadConsoleWord(std::istream& in, std::string& word);

// A number as the stream's extraction reads it: "2abc" gives 2 and leaves
// "abc" for the next read. False when no number stands there (too large for
// the type counts as none); the offending word is then dropped and the next
// read starts after it. False too when the input has ended, which
// ConsoleEnded tells apart.
bool ReadConsoleInt(std::istream& in, int& value);
bool ReadConsoleDouble(std::istream& in, double& value);

// Prints `line` and ends it (newline and flush): every console message is
// one such line.
void PrintLine(std::ostream& out, std::string_view line);


#endif  // ORVANNE_COMMON_CONSOLE_H_
