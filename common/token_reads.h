#ifndef ORVANNE_COMMON_TOKEN_READS_H_
#define ORVANNE_COMMON_TOKEN_READS_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <streambuf>
#include <string>
#include <string_view>

#include "common/text.h"

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
