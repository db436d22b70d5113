#ifndef ORVANNE_FUZZ_TABLE_READ_CHECKS_H_
#define ORVANNE_FUZZ_TABLE_READ_CHECKS_H_

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"

// What a failed table read says: exactly one of the two messages of the
// table runs, with a row number between 1 and the rows asked for.
inline void CheckTableProblem(const std::string& err, int rows) {
  if (err == "The bulletin has no \"FHR\" table.") return;
  bool known = false;
  for (int row = 1; row <= rows && !known; ++row)
    known = err == "The table after \"FHR\" could not be read at row " +
                       std::to_string(row) + " of " + std::to_string(rows) +
                       ".";
  FUZZ_CHECK(known);
}

inline std::size_t LineCount(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

#endif  // ORVANNE_FUZZ_TABLE_READ_CHECKS_H_
