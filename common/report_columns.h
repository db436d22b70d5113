#ifndef ORVANNE_COMMON_REPORT_COLUMNS_H_
#define ORVANNE_COMMON_REPORT_COLUMNS_H_

#include <optional>
#include <ostream>
#include <string_view>
#include <variant>

#include "common/report_field.h"
#include "common/units.h"

// A report table described column by column, one line a column: its field
// width, its heading in Standard and in Metric words, and what it shows of a
// row. The heading and data lines are written from that description.

// What a column shows of one row: a whole number, a decimal number (in the
// stream's floating-point format), or nothing, a blank field.
using ReportItem = std::variant<std::monostate, int, double>;

inline ReportItem ItemOf(int value) { return value; }
inline ReportItem ItemOf(double value) { return value; }
inline ReportItem ItemOf(const std::optional<double>& value) {
  return value ? ReportItem(*value) : ReportItem();
}

// What a column shows of a row's member: `Member<&Row::field>`.
template <auto Field, typename Row>
ReportItem Member(const Row& row) {
  return ItemOf(row.*Field);
}

template <typename Row>
struct ReportColumn {
  int width;
  std::string_view standardHeading;
  std::string_view metricHeading;
  ReportItem (*item)(const Row&);
};

// Writes `item` left-adjusted in a field of `width` (see WriteField); a blank
// item is the field's padding alone.
void WriteItem(std::ostream& out, int width, const ReportItem& item);

// The heading line of `columns` (any range of ReportColumn): the Standard or
// the Metric headings, each padded to its column's width, and no line at all
// for kAsTyped.
template <typename Columns>
void WriteHeadingLine(std::ostream& out, const Columns& columns,
                      UnitSystem units) {
  if (units == UnitSystem::kAsTyped) return;
  for (const auto& column : columns)
    WriteField(out, column.width,
               units == UnitSystem::kStandard ? column.standardHeading
                                              : column.metricHeading);
  EndLine(out);
}

// The items `columns` show of `row`, each in its column's field, the line
// left open.
template <typename Columns, typename Row>
void WriteItems(std::ostream& out, const Columns& columns, const Row& row) {
  for (const auto& column : columns)
    WriteItem(out, column.width, column.item(row));
}

// A data line: the items of `row`, and the line's end after the padding of
// its last field.
template <typename Columns, typename Row>
void WriteDataLine(std::ostream& out, const Columns& columns, const Row& row) {
  WriteItems(out, columns, row);
  EndLine(out);
}

#endif  // ORVANNE_COMMON_REPORT_COLUMNS_H_
