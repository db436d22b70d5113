#ifndef ORVANNE_VERIFY_TABLE_ROW_H_
#define ORVANNE_VERIFY_TABLE_ROW_H_

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// One line of verify's tables: the name left-aligned in `nameWidth`, then
// each value right-aligned in its width (a longer value stands whole).
std::string TableRow(std::string_view name, std::size_t nameWidth,
                     std::span<const std::size_t> widths,
                     std::initializer_list<std::string> values);

#endif  // ORVANNE_VERIFY_TABLE_ROW_H_
