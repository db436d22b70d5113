#ifndef ORVANNE_COMMON_TOKEN_READS_H_
#define ORVANNE_COMMON_TOKEN_READS_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <streambuf>
#include <string>
#include <string_view>

// The token reads of bulletins and console answers, and the search for a
// labelled row. Each read skips white space first
// (blank, tab, line ends, so "\r\n" files read like "\n" files) and returns
// false when it cannot deliver: the input has ended, or no number stands
// where one belongs. A failed read leaves its target unchanged and leaves
// the stream failed, so every later read fails too and nothing is ever read
// past a failure.

// The longest part of a word that is kept. Every word the program compares
// is shorter, so a word cut to this length still compares unequal to all of
// them, and an endless word costs no memory.
inline constexpr std::size_t kMaxWordKept = 65;

// A maximal run of non-blank characters; at most kMaxWordKept are kept, the
// rest of the word is consumed.
bool ReadWord(std::istream& in, std::string& word);

// An optional sign and decimal digits, stopping before the first character
// that is not a digit (so "30|" gives 30 and leaves the "|"). Leading zeros
// do not change the base. A value outside 32 bits fails.
bool ReadInt(std::istream& in, std::int32_t& value);

// Exactly one non-blank character, whatever it is.
bool ReadChar(std::istream& in, char& c);

// A decimal floating-point number in any form the stream accepts.
bool ReadDouble(std::istream& in, double& value);

// The same reads for values that are only passed over.
bool SkipWords(std::istream& in, int count);
bool SkipInts(std::istream& in, int count);
bool SkipChar(std::istream& in);

// A table row's hour as the table runs lay it out: one non-blank character,
// the hour as an integer, one more non-blank character. The two characters
// are dropped, glued to the hour or apart from it.
bool ReadDelimitedHour(std::istream& in, int& hour);

// Reads words from `in`, starting with its next word, until one equals
// `label` exactly (whole word, case and every character alike). The matching
// word is consumed, so the next read starts right after it. Returns false if
// the input ends first (or the stream had already failed).
bool SkipToLabel(std::istream& in, std::string_view label);

// The same, ending at the first word that equals either label.
bool SkipToLabel(std::istream& in, std::string_view label,
                 std::string_view otherLabel);

// The character steps underneath the reads. Every read looks at one
// character at a time through the stream's buffer: sgetc shows the next
// character without taking it, snextc takes it and shows the one after.

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

// Starts a read: skips blanks and returns the first other character, left
// unread. Fails the stream, and returns kEnd, when it had failed or ended
// before, or ends now.
inline int StartRead(std::istream& in) {
  if (!in.good()) {
    in.setstate(std::ios::failbit);
    return kEnd;
  }
  std::streambuf* buf = in.rdbuf();
  int c = buf->sgetc();
  while (IsBlank(c)) c = buf->snextc();
  if (c == kEnd) in.setstate(std::ios::eofbit | std::ios::failbit);
  return c;
}

// Takes the character the caller has just seen (with sgetc, StartRead or
// Advance) and returns the next one, left unread; marks the end of input
// when there is none.
inline int Advance(std::istream& in) {
  const int c = in.rdbuf()->snextc();
  if (c == kEnd) in.setstate(std::ios::eofbit);
  return c;
}

#endif  // ORVANNE_COMMON_TOKEN_READS_H_
