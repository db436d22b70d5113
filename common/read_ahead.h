#ifndef ORVANNE_COMMON_READ_AHEAD_H_
#define ORVANNE_COMMON_READ_AHEAD_H_

// The scanning underneath the bulletin reads: blanks, and runs of characters
// taken straight from a stream's buffer.

#include <array>
#include <cstddef>
#include <istream>
#include <streambuf>

inline constexpr int kEnd = std::char_traits<char>::eof();

// The blanks of the "C" locale, which the bulletins use: a carriage return
// is a blank, so "\r\n" files read like "\n" files.
inline constexpr std::array<bool, 256> MakeBlankTable() {
  std::array<bool, 256> blank{};
  for (unsigned char c : {' ', '\t', '\n', '\v', '\f', '\r'}) blank[c] = true;
  return blank;
}
inline constexpr std::array<bool, 256> kBlank = MakeBlankTable();

inline bool IsBlank(char c) { return kBlank[static_cast<unsigned char>(c)]; }

// The characters a stream buffer has read ahead and not yet handed out, so
// that a whole run of them can be scanned at once instead of one call per
// character. Buffers that read ahead nothing (the console's) show an empty
// run, and the reads fall back to one character at a time.
class ReadAhead : public std::streambuf {
 public:
  static const char* Begin(std::streambuf* buf) {
    return (buf->*&ReadAhead::gptr)();
  }
  static const char* End(std::streambuf* buf) {
    return (buf->*&ReadAhead::egptr)();
  }
  static void Take(std::streambuf* buf, std::ptrdiff_t count) {
    constexpr std::ptrdiff_t kMostAtOnce = 1 << 30;  // gbump takes an int
    for (; count > kMostAtOnce; count -= kMostAtOnce)
      (buf->*&ReadAhead::gbump)(static_cast<int>(kMostAtOnce));
    (buf->*&ReadAhead::gbump)(static_cast<int>(count));
  }
};

// Hands `scan` what `buf` holds, run after run, refilling as it goes (one
// character at a time for a buffer that reads ahead nothing).
// `scan(begin, end)` returns where in the run it stopped: the characters
// before that are taken, and a stop before `end` ends the walk. Returns true
// when `scan` stopped it, false when the input ended first.
template <typename Scan>
bool ScanRuns(std::streambuf* buf, Scan scan) {
  for (;;) {
    if (ReadAhead::Begin(buf) == ReadAhead::End(buf)) {
      const int c = buf->sgetc();  // refills the buffer
      if (c == kEnd) return false;
      if (ReadAhead::Begin(buf) == ReadAhead::End(buf)) {
        const char one = std::char_traits<char>::to_char_type(c);
        if (scan(&one, &one + 1) == &one) return true;
        buf->sbumpc();
        continue;
      }
    }
    const char* begin = ReadAhead::Begin(buf);
    const char* end = ReadAhead::End(buf);
    const char* stop = scan(begin, end);
    ReadAhead::Take(buf, stop - begin);
    if (stop != end) return true;
  }
}

// Takes characters from `buf` while `keep(c)` holds for them, calling
// `use(first, last)` for each run taken. Returns the character that stopped
// it (still in the buffer), or kEnd.
template <typename Keep, typename Use>
int TakeWhile(std::streambuf* buf, Keep keep, Use use) {
  int stopped = kEnd;
  ScanRuns(buf, [&](const char* begin, const char* end) {
    const char* stop = begin;
    while (stop != end && keep(*stop)) ++stop;
    use(begin, stop);
    if (stop != end) stopped = std::char_traits<char>::to_int_type(*stop);
    return stop;
  });
  return stopped;
}

// Starts a read: skips blanks and returns the first other character, left
// in the buffer. Fails the stream, and returns kEnd, when it had failed or
// ended before, or ends now.
inline int StartRead(std::istream& in) {
  if (!in.good()) {
    in.setstate(std::ios::failbit);
    return kEnd;
  }
  const int c = TakeWhile(in.rdbuf(), IsBlank, [](const char*, const char*) {});
  if (c == kEnd) in.setstate(std::ios::eofbit | std::ios::failbit);
  return c;
}

// Takes the rest of the word at the stream's next character, calling
// `use(first, last)` for its runs, and marks the end of input when the word
// ends there.
template <typename Use>
void TakeWord(std::istream& in, Use use) {
  if (TakeWhile(
          in.rdbuf(), [](char c) { return !IsBlank(c); }, use) == kEnd)
    in.setstate(std::ios::eofbit);
}

#endif  // ORVANNE_COMMON_READ_AHEAD_H_
