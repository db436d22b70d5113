#ifndef ORVANNE_COMMON_TABLE_ROWS_H_
#define ORVANNE_COMMON_TABLE_ROWS_H_

#include <functional>
#include <istream>
#include <ostream>
#include <string>

// How the table runs read their table: the bulletin is opened again by its
// name, every word up to and including the first word "FHR" is skipped, and
// `readRow` is called for the rows 0 to `rows` - 1 in order, on the words
// right after "FHR". `readRow` returns false when its row could not be read;
// no row after it is then read. The bulletin is closed before this returns.
//
// Returns false, with the reason printed on `out`, when the bulletin holds no
// word "FHR" ("The bulletin has no "FHR" table.") or a row could not be read
// ("The table after "FHR" could not be read at row R of N.", R counted from
// 1, N being `rows`).
bool ReadTableRows(const std::string& bulletinName, std::ostream& out, int rows,
                   const std::function<bool(std::istream&, int)>& readRow);

#endif  // ORVANNE_COMMON_TABLE_ROWS_H_
