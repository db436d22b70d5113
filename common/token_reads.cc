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

// SkipToLabel over a file's window of buffered characters: the words that
// lie whole in the window are compared there; a word that runs on past it
// is taken a character at a time, as the plain search takes it.
bool ScanToLabel(std::istream& in, ScanFileBuffer* scan, std::string_view label,
                 std::string_view otherLabel) {
  for (;;) {
    std::string_view window = scan->Window();
    if (window.empty()) {
      if (scan->sgetc() == kEnd) break;
      continue;
    }
    std::size_t i = 0;
    for (;;) {
      while (i < window.size() && IsBlankChar(window[i])) ++i;
      std::size_t end = i;
      while (end < window.size() && !IsBlankChar(window[end])) ++end;
      if (end == window.size()) break;
      const std::string_view word = window.substr(i, end - i);
      if (word == label || word == otherLabel) {
        // The blank after the label stays unread.
        scan->Take(end);
        return true;
      }
      i = end;
    }
    scan->Take(i);
    if (i < window.size()) {
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
