#include "common/text.h"

std::string_view CutLine(std::string_view* rest) {
  const std::size_t end = rest->find('\n');
  std::string_view line = rest->substr(0, end);
  rest->remove_prefix(end == std::string_view::npos ? rest->size() : end + 1);
  if (line.ends_with('\r')) line.remove_suffix(1);
  return line;
}

std::optional<int> GuidanceValue(std::string_view field) {
  while (field.starts_with(' ')) field.remove_prefix(1);
  const bool negative = field.starts_with('-');
  if (negative) field.remove_prefix(1);
  if (field.empty() || field.size() > 9) return std::nullopt;
  int value = 0;
  for (char c : field) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  if (value == -99 || value == -88) return std::nullopt;
  return value;
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
