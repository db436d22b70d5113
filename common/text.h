#ifndef ORVANNE_COMMON_TEXT_H_
#define ORVANNE_COMMON_TEXT_H_

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// Text in memory: the blanks, words and lines of products and bulletins,
// and the messages' holes. The token reads of streams build on the same
// character classes.

// What sgetc and snextc return once the input has ended.
inline constexpr int kEnd = std::char_traits<char>::eof();

// The blanks of the "C" locale, which the bulletins use: a carriage return
// is a blank, so "\r\n" files read like "\n" files.
inline constexpr std::array<bool, 256> MakeBlankTable() {
  std::array<bool, 256> blank{};
  for (unsigned char c : {' ', '\t', '\n', '\v', '\f', '\r'}) blank[c] = true;
  return blank;
}
inline constexpr std::array<bool, 256> kBlank = MakeBlankTable();

// Whether a character as sgetc returns it is a blank, or belongs to a word.
// kEnd is neither.
inline bool IsBlank(int c) {
  return c != kEnd && kBlank[static_cast<unsigned char>(c)];
}
inline bool IsWordCharacter(int c) {
  return c != kEnd && !kBlank[static_cast<unsigned char>(c)];
}

inline bool IsDigit(int c) { return c >= '0' && c <= '9'; }

// Cuts the next word, after any blanks, off the front of `rest`; empty when
// none is left.
inline std::string_view CutWord(std::string_view* rest) {
  std::size_t begin = 0;
  while (begin < rest->size() && IsBlank((*rest)[begin])) ++begin;
  std::size_t end = begin;
  while (end < rest->size() && !IsBlank((*rest)[end])) ++end;
  const std::string_view word = rest->substr(begin, end - begin);
  rest->remove_prefix(end);
  return word;
}

// `text` without the blanks at its beginning and its end.
inline std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Whether `text` starts with `prefix`, letters compared in either case.
inline bool StartsWithAnyCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    const char a =
        text[i] >= 'A' && text[i] <= 'Z' ? text[i] - 'A' + 'a' : text[i];
    const char b = prefix[i] >= 'A' && prefix[i] <= 'Z' ? prefix[i] - 'A' + 'a'
                                                        : prefix[i];
    if (a != b) return false;
  }
  return true;
}

// The first word of `line`, after any blanks; empty when it has none.
inline std::string_view FirstWord(std::string_view line) {
  return CutWord(&line);
}

// `text` without the blanks at its beginning.
inline std::string_view WithoutLeadingBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

// Cuts the next line off the front of `rest` and returns it without its
// "\n" and a "\r" before that; the last line needs no "\n". Call while
// `rest` is not empty.
std::string_view CutLine(std::string_view* rest);

// A guidance value as the products write it, right-aligned in its `field`:
// spaces, then an optional "-" and digits to the field's end; nothing for a
// blank field, anything else, or the missing values -99 and -88.
std::optional<int> GuidanceValue(std::string_view field);

// `text` with each "{}" replaced by the next of `values`, in order, so that
// every message the user can see stands whole in one string literal.
std::string Fill(std::string_view text,
                 std::initializer_list<std::string_view> values);

#endif  // ORVANNE_COMMON_TEXT_H_
