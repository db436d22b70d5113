#ifndef ORVANNE_COMMON_READ_AHEAD_H_
#define ORVANNE_COMMON_READ_AHEAD_H_

// The character steps underneath the token reads. Every read looks at one
// character at a time through the stream's buffer: sgetc shows the next
// character without taking it, snextc takes it and shows the one after.

#include <array>
#include <istream>
#include <streambuf>

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

#endif  // ORVANNE_COMMON_READ_AHEAD_H_
