#ifndef ORVANNE_TABLES_TABLE_FRAME_H_
#define ORVANNE_TABLES_TABLE_FRAME_H_

#include <array>
#include <cstddef>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "common/report_field.h"
#include "common/units.h"

// What the two table runs share: how their table is found and read, and
// how its lines are written.

// Opens the bulletin again by its name, skips every word up to and
// including the first word "FHR", and calls `readRow` for the rows 0 to
// `rows` - 1 in order, on the words right after "FHR". `readRow` returns
// false when its row could not be read; no row after it is then read. The
// bulletin is closed before this returns. False, with `err` saying why, when
// the bulletin holds no word "FHR" or a row could not be read.
bool ReadTableRows(const std::string& bulletinName, int rows,
                   const std::function<bool(std::istream&, int)>& readRow,
                   std::string* err);

// The lines of a report table. `widths` holds one field width per column,
// the hour's first; each item is left-adjusted in its own field (see
// WriteField) and the line ends with the padding of its last field.

// A heading line: one heading per column.
template <std::size_t Columns>
void WriteHeadingLine(std::ostream& out, const std::array<int, Columns>& widths,
                      const std::array<std::string_view, Columns>& headings) {
  for (std::size_t column = 0; column < Columns; ++column)
    WriteField(out, widths[column], headings[column]);
  EndLine(out);
}

// The heading line of a table run's report: the Standard or the Metric
// headings, and no line at all for kAsTyped.
template <std::size_t Columns>
void WriteUnitHeadingLine(
    std::ostream& out, UnitSystem units, const std::array<int, Columns>& widths,
    const std::array<std::string_view, Columns>& standardHeadings,
    const std::array<std::string_view, Columns>& metricHeadings) {
  if (units == UnitSystem::kStandard)
    WriteHeadingLine(out, widths, standardHeadings);
  if (units == UnitSystem::kMetric)
    WriteHeadingLine(out, widths, metricHeadings);
}

// A data line: the hour as an integer, then one value for each further
// column, in the stream's floating-point format.
template <std::size_t Columns>
void WriteDataLine(std::ostream& out, const std::array<int, Columns>& widths,
                   int hour, const std::array<double, Columns - 1>& values) {
  WriteField(out, widths[0], hour);
  for (std::size_t column = 1; column < Columns; ++column)
    WriteField(out, widths[column], values[column - 1]);
  EndLine(out);
}

#endif  // ORVANNE_TABLES_TABLE_FRAME_H_
