#include "common/markup.h"

#include <algorithm>
#include <array>
#include <charconv>

std::string EscapeXml(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string Fixed(double value, int decimals) {
  // std::to_chars never looks at the locale.
  std::array<char, 64> buffer;
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                    std::chars_format::fixed, std::clamp(decimals, 0, 6));
  std::string text(buffer.data(), result.ptr);
  const bool allZero = text.find_first_not_of("-0.") == std::string::npos;
  if (allZero && !text.empty() && text[0] == '-') text.erase(0, 1);
  return text;
}

std::string Significant(double value, int digits) {
  std::array<char, 64> buffer;
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                    std::chars_format::general, digits);
  return std::string(buffer.data(), result.ptr);
}

namespace {

std::string OpenTag(std::string_view name, const Attributes& attributes) {
  std::string tag = "<";
  tag += name;
  for (const auto& [attribute, value] : attributes) {
    tag += ' ';
    tag += attribute;
    tag += "=\"";
    tag += EscapeXml(value);
    tag += '"';
  }
  return tag;
}

}  // namespace

std::string EmptyElement(std::string_view name, const Attributes& attributes) {
  return OpenTag(name, attributes) + "/>\n";
}

std::string StartTag(std::string_view name, const Attributes& attributes) {
  return OpenTag(name, attributes) + ">\n";
}

std::string EndTag(std::string_view name) {
  return "</" + std::string(name) + ">\n";
}

std::string TextElement(std::string_view name, const Attributes& attributes,
                        std::string_view text) {
  return OpenTag(name, attributes) + ">" + EscapeXml(text) + "</" +
         std::string(name) + ">\n";
}
