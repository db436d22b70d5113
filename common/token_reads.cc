#include "common/token_reads.h"

#include <array>
#include <cstddef>
#include <cstdlib>
#include <limits>
#include <streambuf>

#include "common/scan_file.h"

namespace {

using Traits = std::char_traits<char>;

// Longest number text a numeric read holds. No bulletin value comes near
// it; a longer one is refused rather than held or cut.
constexpr std::size_t kMaxNumberLength = 128;

}  // namespace

bool ReadWord(std::istream& in, std::string& word) {
  int c = StartRead(in);
  if (c == kEnd) return false;
  word.clear();
  std::streambuf* buf = in.rdbuf();
  for (; IsWordCharacter(c); c = buf->snextc())
    if (word.size() < kMaxWordKept) word.push_back(Traits::to_char_type(c));
  if (c == kEnd) in.setstate(std::ios::eofbit);
  return true;
}

bool ReadInt(std::istream& in, std::int32_t& value) {
  int c = StartRead(in);
  if (c == kEnd) return false;
  const bool negative = c == '-';
  if (c == '-' || c == '+') c = Advance(in);
  // Every digit is taken, as the stream's own integer read does, even once
  // the value is out of range.
  std::int64_t magnitude = 0;
  bool anyDigit = false;
  bool outOfRange = false;
  for (; IsDigit(c); c = Advance(in)) {
    anyDigit = true;
    if (!outOfRange) {
      magnitude = magnitude * 10 + (c - '0');
      outOfRange = magnitude >
                   std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    }
  }
  const std::int64_t signedValue = negative ? -magnitude : magnitude;
  if (!anyDigit || outOfRange ||
      signedValue > std::numeric_limits<std::int32_t>::max() ||
      signedValue < std::numeric_limits<std::int32_t>::min()) {
    in.setstate(std::ios::failbit);
    return false;
  }
  value = static_cast<std::int32_t>(signedValue);
  return true;
}

bool ReadChar(std::istream& in, char& c) {
  const int next = StartRead(in);
  if (next == kEnd) return false;
  c = Traits::to_char_type(next);
  Advance(in);
  return true;
}

bool ReadDouble(std::istream& in, double& value) {
  int c = StartRead(in);
  if (c == kEnd) return false;
  // The characters of a decimal number: a sign, digits, a point and digits,
  // and an exponent once there is a digit; taken as the stream's own
  // floating-point read takes them.
  std::array<char, kMaxNumberLength + 1> text;
  std::size_t length = 0;
  bool tooLong = false;
  auto take = [&] {
    if (length < kMaxNumberLength)
      text[length++] = Traits::to_char_type(c);
    else
      tooLong = true;
    c = Advance(in);
  };
  bool anyDigit = false;
  if (c == '+' || c == '-') take();
  for (; IsDigit(c); anyDigit = true) take();
  if (c == '.') {
    take();
    for (; IsDigit(c); anyDigit = true) take();
  }
  if (anyDigit && (c == 'e' || c == 'E')) {
    take();
    if (c == '+' || c == '-') take();
    while (IsDigit(c)) take();
  }
  text[length] = '\0';
  char* parsedEnd = nullptr;
  const double parsed = std::strtod(text.data(), &parsedEnd);
  if (tooLong || length == 0 || parsedEnd != text.data() + length ||
      parsed == std::numeric_limits<double>::infinity() ||
      parsed == -std::numeric_limits<double>::infinity()) {
    in.setstate(std::ios::failbit);
    return false;
  }
  value = parsed;
  return true;
}

bool SkipWords(std::istream& in, int count) {
  std::string ignored;
  for (int i = 0; i < count; ++i)
    if (!ReadWord(in, ignored)) return false;
  return true;
}

bool SkipInts(std::istream& in, int count) {
  std::int32_t ignored;
  for (int i = 0; i < count; ++i)
    if (!ReadInt(in, ignored)) return false;
  return true;
}

bool SkipChar(std::istream& in) {
  char ignored;
  return ReadChar(in, ignored);
}

bool ReadDelimitedHour(std::istream& in, int& hour) {
  std::int32_t read;
  if (!SkipChar(in) || !ReadInt(in, read) || !SkipChar(in)) return false;
  hour = read;
  return true;
}

namespace {

// Takes the word that starts with `c`, leaving `c` at the character after
// it, and tells whether the word equals either label. The word is compared
// as it is read and never held, so a word of any length costs no memory.
bool TakeWordIsLabel(std::streambuf* buf, int& c, std::string_view label,
                     std::string_view otherLabel) {
  std::size_t length = 0;
  bool agrees = true;
  bool agreesOther = true;
  for (; IsWordCharacter(c) && (agrees || agreesOther);
       c = buf->snextc(), ++length) {
    const char typed = std::char_traits<char>::to_char_type(c);
    agrees = agrees && length < label.size() && label[length] == typed;
    agreesOther = agreesOther && length < otherLabel.size() &&
                  otherLabel[length] == typed;
  }
  // Once the word is unlike both labels, the rest of it is only passed over.
  while (IsWordCharacter(c)) c = buf->snextc();
  return (agrees && length == label.size()) ||
         (agreesOther && length == otherLabel.size());
}

bool IsBlankChar(char c) { return kBlank[static_cast<unsigned char>(c)]; }

// Where `label` first stands as a whole word in `window` before `end`, a
// blank after it; the window's first character begins a word. npos when
// it does not.
std::size_t WholeWordAt(std::string_view window, std::size_t end,
                        std::string_view label) {
  for (std::size_t at = window.find(label); at != std::string_view::npos &&
                                            at + label.size() < end;
       at = window.find(label, at + 1)) {
    if ((at == 0 || IsBlankChar(window[at - 1])) &&
        IsBlankChar(window[at + label.size()]))
      return at;
  }
  return std::string_view::npos;
}

// SkipToLabel over a file's window of buffered characters: the labels are
// looked for as text and kept where they stand as whole words; the word
// that runs on past the window is taken a character at a time, as the
// plain search takes it.
bool ScanToLabel(std::istream& in, ScanFileBuffer* scan, std::string_view label,
                 std::string_view otherLabel) {
  for (;;) {
    const std::string_view window = scan->Window();
    if (window.empty()) {
      if (scan->sgetc() == kEnd) break;
      continue;
    }
    // The last word may go on in the next window: only what stands before
    // it is decided here.
    std::size_t lastWord = window.size();
    while (lastWord > 0 && !IsBlankChar(window[lastWord - 1])) --lastWord;
    std::size_t at = WholeWordAt(window, window.size(), label);
    std::size_t length = label.size();
    if (otherLabel != label) {
      const std::size_t other = WholeWordAt(
          window, at == std::string_view::npos ? window.size() : at, otherLabel);
      if (other != std::string_view::npos && other < at) {
        at = other;
        length = otherLabel.size();
      }
    }
    if (at != std::string_view::npos) {
      // The blank after the label stays unread.
      scan->Take(at + length);
      return true;
    }
    scan->Take(lastWord);
    if (lastWord < window.size()) {
      int c = scan->sgetc();
      if (TakeWordIsLabel(scan, c, label, otherLabel)) {
        if (c == kEnd) in.setstate(std::ios::eofbit);
        return true;
      }
    }
  }
  in.setstate(std::ios::eofbit | std::ios::failbit);
  return false;
}

}  // namespace

bool SkipToLabel(std::istream& in, std::string_view label) {
  return SkipToLabel(in, label, label);
}

bool SkipToLabel(std::istream& in, std::string_view label,
                 std::string_view otherLabel) {
  if (!in.good()) {
    in.setstate(std::ios::failbit);
    return false;
  }
  std::streambuf* buf = in.rdbuf();
  if (auto* scan = dynamic_cast<ScanFileBuffer*>(buf))
    return ScanToLabel(in, scan, label, otherLabel);
  int c = buf->sgetc();
  for (;;) {
    while (IsBlank(c)) c = buf->snextc();
    if (c == kEnd) break;
    if (TakeWordIsLabel(buf, c, label, otherLabel)) {
      // The blank after the label stays unread.
      if (c == kEnd) in.setstate(std::ios::eofbit);
      return true;
    }
  }
  in.setstate(std::ios::eofbit | std::ios::failbit);
  return false;
}
