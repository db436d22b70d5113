#ifndef ORVANNE_COMMON_REPORT_FIELD_H_
#define ORVANNE_COMMON_REPORT_FIELD_H_

#include <charconv>
#include <iomanip>
#include <ostream>
#include <string_view>
#include <system_error>

// How every report writes an item: left-adjusted in a field of `width`
// characters, padded with blanks on the right. An item longer than its field
// is written whole and pushes the rest of the line along; nothing is cut.
// Doubles use whatever floating-point format the stream is set to (general
// notation, six significant digits, unless a report switched it).
template <typename Item>
void WriteField(std::ostream& out, int width, const Item& item) {
  out << std::left << std::setw(width) << item;
}

// A double in the stream's general or fixed notation, formatted by
// std::to_chars, which writes what the stream writes (both as printf's %g
// and %f do) at a fraction of its cost; any other shaping goes through the
// stream. The program keeps the classic locale throughout.
inline void WriteField(std::ostream& out, int width, double item) {
  const std::ios::fmtflags flags = out.flags();
  const std::ios::fmtflags notation = flags & std::ios::floatfield;
  constexpr std::ios::fmtflags kShaping =
      std::ios::showpoint | std::ios::showpos | std::ios::uppercase;
  if ((flags & kShaping) == std::ios::fmtflags{} &&
      (notation == std::ios::fmtflags{} || notation == std::ios::fixed)) {
    char text[350];  // the longest fixed double, DBL_MAX, and its decimals
    const auto [end, error] = std::to_chars(
        text, text + sizeof text, item,
        notation == std::ios::fixed ? std::chars_format::fixed
                                    : std::chars_format::general,
        static_cast<int>(out.precision()));
    if (error == std::errc{}) {
      WriteField(out, width, std::string_view(text, end - text));
      return;
    }
  }
  out << std::left << std::setw(width) << item;
}

// Ends a report or console line: a newline and a flush.
inline void EndLine(std::ostream& out) { out << std::endl; }

#endif  // ORVANNE_COMMON_REPORT_FIELD_H_
