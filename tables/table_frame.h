#ifndef ORVANNE_TABLES_TABLE_FRAME_H_
#define ORVANNE_TABLES_TABLE_FRAME_H_

#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "common/report_columns.h"
#include "common/run_frame.h"
#include "common/units.h"

// What the two table runs share: how their table is found and read, how
// their report is written from its table of columns, and the steps of the
// run around both.

// Reads the row `row` (counted from 0) from the bulletin, right after the
// row before it. False when the row could not be read.
using RowReader = std::function<bool(std::istream& bulletin, int row)>;

// Opens the bulletin again by its name, skips every word up to and
// including the first word "FHR", and calls `readRow` for the rows 0 to
// `rows` - 1 in order, on the words right after "FHR". `readRow` returns
// false when its row could not be read; no row after it is then read. The
// bulletin is closed before this returns. False, with `err` saying why, when
// the bulletin holds no word "FHR" or a row could not be read.
bool ReadTableRows(const std::string& bulletinName, int rows,
                   const RowReader& readRow, std::string* err);

// A table run's report: the heading line in the report's units (none for
// kAsTyped), then one data line for each of `rows`, the columns as
// `columns` (a range of ReportColumn) describes them.
template <typename Columns, typename Rows>
void WriteTableReport(std::ostream& out, const Columns& columns,
                      const Rows& rows, UnitSystem units) {
  WriteHeadingLine(out, columns, units);
  for (const auto& row : rows) WriteDataLine(out, columns, row);
}

// What a table run prints of its own.
struct TableRunTexts {
  std::string_view running;  // first, before the bulletin is asked for
  std::string_view written;  // once the report is written
};

// The steps of a table run: prints `texts.running`, asks for the bulletin
// (AskForBulletin), reads `rows` rows with `readRow` (ReadTableRows; a
// problem is one line on `console.err`), then writes the report with
// `writeReport`, which converts the rows read into the report's units and
// writes them (WriteReport). True when the report was written.
bool RunTableSteps(Console& console, const RunRequest& request,
                   const TableRunTexts& texts, int rows,
                   const RowReader& readRow,
                   const std::function<void(std::ostream&)>& writeReport);

#endif  // ORVANNE_TABLES_TABLE_FRAME_H_
