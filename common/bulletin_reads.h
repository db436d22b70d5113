#ifndef ORVANNE_COMMON_BULLETIN_READS_H_
#define ORVANNE_COMMON_BULLETIN_READS_H_

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>

// The token reads every bulletin reader uses. Each skips white space first
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

#endif  // ORVANNE_COMMON_BULLETIN_READS_H_
