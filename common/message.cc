#include "common/message.h"

void PrintLine(std::ostream& out, std::string_view line) {
  out << line << std::endl;
}

std::string Fill(std::string_view text,
                 std::initializer_list<std::string_view> values) {
  std::string filled;
  auto value = values.begin();
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t hole = text.find("{}", at);
    if (hole == std::string_view::npos || value == values.end()) {
      filled += text.substr(at);
      break;
    }
    filled += text.substr(at, hole - at);
    filled += *value++;
    at = hole + 2;
  }
  return filled;
}
