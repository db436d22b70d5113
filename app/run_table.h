#ifndef ORVANNE_APP_RUN_TABLE_H_
#define ORVANNE_APP_RUN_TABLE_H_

#include <span>
#include <string_view>

#include "common/run_frame.h"

// One run the menu offers: the word that picks it, the line the menu lists
// it by, the call, and the rows it reads where it is a model table run.
struct RunEntry {
  std::string_view key;
  std::string_view menuLine;
  RunFunction run;
  int rows = 0;
};

using RunTable = std::span<const RunEntry>;

// The program's runs, in menu order, "1" to "6".
RunTable ProgramRuns();

// The menu's two words that start no run: one answers "nothing", the other
// ends the menu.
inline constexpr std::string_view kNothingKey = "7";
inline constexpr std::string_view kQuitKey = "8";

// The entry the menu word `key` picks, or nullptr.
const RunEntry* FindRun(RunTable runs, std::string_view key);

#endif  // ORVANNE_APP_RUN_TABLE_H_
