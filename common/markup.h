#ifndef ORVANNE_COMMON_MARKUP_H_
#define ORVANNE_COMMON_MARKUP_H_

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A small writer of markup text, for the picture and the pages alike:
// elements with escaped attributes and text, and numbers written the same
// way on every machine.

// An element's attributes, name and value, in the order written.
using Attributes = std::vector<std::pair<std::string_view, std::string>>;

// `text` with &, <, > and " written as character references, so it stands
// as an attribute value or as element text.
std::string EscapeXml(std::string_view text);

// `value` with exactly `decimals` decimals (at most 6), a point as the
// decimal sign whatever the locale, and no minus sign on a zero ("-0.04" with
// one decimal is "0.0").
std::string Fixed(double value, int decimals);

// `value` with at most `digits` significant digits, as the console writes
// the ratios (0.6, 0.333333), a point whatever the locale.
std::string Significant(double value, int digits);

// <name a="v" .../>
std::string EmptyElement(std::string_view name, const Attributes& attributes);

// <name a="v" ...>
std::string StartTag(std::string_view name, const Attributes& attributes);

// </name>
std::string EndTag(std::string_view name);

// <name a="v" ...>text</name>, the text escaped.
std::string TextElement(std::string_view name, const Attributes& attributes,
                        std::string_view text);

#endif  // ORVANNE_COMMON_MARKUP_H_
