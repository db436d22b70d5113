#ifndef ORVANNE_TESTS_CONSOLE_TEXTS_H_
#define ORVANNE_TESTS_CONSOLE_TEXTS_H_

// The console texts the tests expect, written out once, and small helpers
// for whole sessions.

#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/menu.h"
#include "common/run_frame.h"
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

// A screen that neither clears nor pauses.
inline constexpr Screen kNoScreen{[](std::ostream&) {}, [](std::ostream&) {}};

// Calls `run` as the menu does after the unit answer `unitAnswer`: on the
// console `in`/`out`, asking for what it needs.
bool RunAtMenu(RunFunction run, std::istream& in, std::ostream& out,
               int unitAnswer, int rows = 0);

// The lines of `text`, without their line ends.
std::vector<std::string> Lines(const std::string& text);

// A double as a report writes it by default (six significant digits).
std::string Written(double value);

// What one run did, given a bulletin in a fresh folder.
struct RunOnBulletin {
  std::string printed;
  bool reported;  // whether the report file exists afterwards
  std::string report;
};

// Writes `bulletin` as `name` in a fresh folder, and `oldReport` as its
// report when that is not empty; then calls `run` with a console that types
// the bulletin's path.
RunOnBulletin RunOn(
    const std::function<void(std::istream&, std::ostream&)>& run,
    const std::string& name, const std::string& bulletin,
    const std::string& oldReport = "");

struct FinishedProgram {
  int status;
  std::string printed;
};

// Runs the built program in `dir` with `typed` as its standard input.
FinishedProgram RunProgram(const TempDir& dir, const std::string& typed);

struct FinishedCommand {
  int status;
  std::string out;  // standard output
  std::string err;  // standard error
};

// Runs the built program in `dir` with `args` as its arguments and no input.
FinishedCommand RunWithArguments(const TempDir& dir,
                                 const std::vector<std::string>& args);

#endif  // ORVANNE_TESTS_CONSOLE_TEXTS_H_
