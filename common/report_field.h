#ifndef ORVANNE_COMMON_REPORT_FIELD_H_
#define ORVANNE_COMMON_REPORT_FIELD_H_

#include <iomanip>
#include <ostream>

// How every report writes an item: left-adjusted in a field of `width`
// characters, padded with blanks on the right. An item longer than its field
// is written whole and pushes the rest of the line along; nothing is cut.
// Doubles use whatever floating-point format the stream is set to (general
// notation, six significant digits, unless a report switched it).
template <typename Item>
void WriteField(std::ostream& out, int width, const Item& item) {
  out << std::left << std::setw(width) << item;
}

// Ends a report or console line: a newline and a flush.
inline void EndLine(std::ostream& out) { out << std::endl; }

#endif  // ORVANNE_COMMON_REPORT_FIELD_H_
