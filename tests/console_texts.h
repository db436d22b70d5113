#ifndef ORVANNE_TESTS_CONSOLE_TEXTS_H_
#define ORVANNE_TESTS_CONSOLE_TEXTS_H_

// The console texts the tests expect, written out once, and small helpers
// for whole sessions.

#include <string>
#include <vector>

#include "tests/temp_dir.h"

inline const std::string kMenuText =
    "Please enter an option!\n"
    "1) Run 1200 Model\n"
    "2) Run Long GFS Model\n"
    "3) Run Short GFS Model\n"
    "4) Run Long ETA Model\n"
    "5) Run Long AVN Model\n"
    "6) Run Severe Weather Model\n"
    "8) Quit\n";
inline const std::string kUnitQuestion =
    "Please enter an option!\n"
    "1) Use Standard Units\n"
    "2) Use Metric Units\n";
inline const std::string kFilePrompt =
    "Please enter the name of the file with the .txt extension: ";

// The lines of `text`, without their line ends.
std::vector<std::string> Lines(const std::string& text);

struct FinishedProgram {
  int status;
  std::string printed;
};

// Runs the built program in `dir` with `typed` as its standard input.
FinishedProgram RunProgram(const TempDir& dir, const std::string& typed);

#endif  // ORVANNE_TESTS_CONSOLE_TEXTS_H_
