#include "tests/report_lines.h"

#include <cstddef>

namespace {

const std::vector<std::size_t> kModelTableWidths{5,  13, 12, 13, 13, 13, 12, 10,
                                                 14, 11, 12, 15, 12, 12, 12};
const std::vector<std::size_t> kSevereWidths{5,  16, 12, 13, 13, 13,
                                             12, 12, 14, 11, 12};

std::string Padded(const std::vector<std::size_t>& widths,
                   const std::vector<std::string>& items) {
  if (items.size() != widths.size()) return "(a line of the wrong length)";
  std::string line;
  for (std::size_t i = 0; i < items.size(); ++i)
    line += items[i] + std::string(widths[i] - items[i].size(), ' ');
  return line;
}

}  // namespace

std::string ModelTableLine(const std::vector<std::string>& items) {
  return Padded(kModelTableWidths, items);
}

std::string SevereLine(const std::vector<std::string>& items) {
  return Padded(kSevereWidths, items);
}
