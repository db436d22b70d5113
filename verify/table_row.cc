#include "verify/table_row.h"

std::string TableRow(std::string_view name, std::size_t nameWidth,
                     std::span<const std::size_t> widths,
                     std::initializer_list<std::string> values) {
  std::string row(name);
  if (row.size() < nameWidth) row.append(nameWidth - row.size(), ' ');
  std::size_t i = 0;
  for (const std::string& value : values) {
    const std::size_t width = i < widths.size() ? widths[i] : 0;
    if (value.size() < width) row.append(width - value.size(), ' ');
    row += value;
    ++i;
  }
  return row;
}
