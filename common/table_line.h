#ifndef ORVANNE_COMMON_TABLE_LINE_H_
#define ORVANNE_COMMON_TABLE_LINE_H_

#include <array>
#include <cstddef>
#include <ostream>
#include <string_view>

#include "common/report_field.h"

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

// The heading line of a table run's report: the Standard headings for unit
// system 1, the Metric ones for 2, and no line at all for any other.
template <std::size_t Columns>
void WriteUnitHeadingLine(
    std::ostream& out, int unitSystem, const std::array<int, Columns>& widths,
    const std::array<std::string_view, Columns>& standardHeadings,
    const std::array<std::string_view, Columns>& metricHeadings) {
  if (unitSystem == 1) WriteHeadingLine(out, widths, standardHeadings);
  if (unitSystem == 2) WriteHeadingLine(out, widths, metricHeadings);
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

#endif  // ORVANNE_COMMON_TABLE_LINE_H_
